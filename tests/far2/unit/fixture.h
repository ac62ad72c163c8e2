// The Far 2 module over in-memory stand-ins and a fake Far 2 host.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "host/far2/plugin.h"
#include "host/far2/registry_settings.h"
#include "platform/memory/clipboard.h"
#include "platform/memory/collation.h"
#include "platform/memory/registry.h"
#include "support/block_builders.h"
#include "support/far2/fake_host.h"
#include "support/narrow.h"

namespace pickwell::testing {

inline constexpr const char16_t* kRootKey = u"Software\\Host\\Plugins";
inline constexpr const char16_t* kSettingsPath = u"Software\\Host\\Plugins\\Zentro\\Pickwell";

class PluginTest : public ::testing::Test {
  protected:
    PluginTest() : plugin(platform) {}

    void start(const char16_t* root_key = kRootKey) {
        const far2::PluginStartupInfo info = host.startup_info(root_key);
        plugin.set_startup_info(&info);
    }

    // The command, with resources checked to be released however it ended.
    far2::Handle run_command() {
        const far2::Handle result = plugin.open_plugin();
        EXPECT_EQ(clipboard.open_count(), 0);
        EXPECT_EQ(registry.open_keys(), 0);
        EXPECT_EQ(host.violations, std::vector<std::string>{});
        return result;
    }

    // However a test ended, the module left nothing open behind it.
    void TearDown() override {
        EXPECT_EQ(clipboard.open_count(), 0);
        EXPECT_EQ(registry.open_keys(), 0);
        EXPECT_EQ(host.open_dialogs, 0);
    }

    FakeHost host;
    MemoryClipboard clipboard;
    MemoryRegistry registry;
    MemoryCollation collation;
    Platform platform{clipboard, registry, collation};
    far2::Plugin plugin;
};

}  // namespace pickwell::testing
