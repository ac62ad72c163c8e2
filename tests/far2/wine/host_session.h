// One test's Far 2 host: the fake service table handed to the loaded DLL, and a settings root of
// the test's own in the real registry.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "plugin_under_test.h"
#include "support/far2/fake_host.h"
#include "windows/command_session.h"
#include "windows/harness.h"
#include "windows/open_handle_counter.h"
#include "windows/real_registry.h"

namespace wine_test {

class HostSession final : public CommandSession {
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
    std::vector<int> run_command() override {
        host.calls.clear();
        CHECK(plugin().OpenPluginW(0, 0) == far2::kInvalidHandle);
        CHECK_EQ(host.violations, std::vector<std::string>{});
        return host.selections();
    }

    std::vector<pickwell::testing::FakeItem>& items() override { return host.items; }
    void set_plugin_panel(bool plugin) override { host.plugin_panel = plugin ? 1 : 0; }
    void store_case_sensitive(std::uint32_t value) override {
        settings.store_dword(u"CaseSensitive", value);
    }
    bool redrew_the_panel() const override {
        const auto commands = host.control_commands();
        return !commands.empty() && commands.back() == far2::FCTL_REDRAWPANEL;
    }
    std::size_t item_requests() const override {
        const auto commands = host.control_commands();
        return static_cast<std::size_t>(
            std::count(commands.begin(), commands.end(), far2::FCTL_GETPANELITEM));
    }
    bool count_open_handles() override { return wine_test::count_open_handles(true); }
    bool left_nothing_open() const override {
        return open_handles().clipboard == 0 && open_handles().keys == 0;
    }

    pickwell::testing::FakeHost host;
    TestRootKey settings;
};

}  // namespace wine_test
