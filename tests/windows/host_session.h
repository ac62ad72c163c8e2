// One test's host: the fake service table handed to the loaded DLL, and a settings root of the
// test's own in the real registry.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "fake_host.h"
#include "harness.h"
#include "plugin_under_test.h"
#include "real_registry.h"

namespace wine_test {

class HostSession {
  public:
    explicit HostSession(const char* test_name) : settings(test_name) { start(); }

    // SetStartupInfoW with this session's table; `root_key` overrides the settings root.
    void start(const char16_t* root_key = nullptr) {
        const far2::PluginStartupInfo info =
            host.startup_info(root_key != nullptr ? root_key : settings.root());
        plugin().SetStartupInfoW(&info);
    }

    void panel(std::initializer_list<std::u16string> names) {
        for (const auto& name : names) {
            host.items.push_back({name, std::nullopt, std::nullopt, false});
        }
    }

    // OpenPluginW; the number of FCTL_SETSELECTION calls per item.
    std::vector<int> run_command() {
        host.calls.clear();
        CHECK(plugin().OpenPluginW(0, 0) == far2::kInvalidHandle);
        CHECK_EQ(host.violations, std::vector<std::string>{});
        return host.selections();
    }

    pickwell::testing::FakeHost host;
    TestRootKey settings;
};

}  // namespace wine_test
