// The Far 3 module over the in-memory clipboard and comparison, and a fake Far 3 host.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "host/far3/guids.h"
#include "host/far3/plugin.h"
#include "platform/memory/clipboard.h"
#include "platform/memory/collation.h"
#include "support/far3/fake_host.h"

namespace pickwell::testing {

class Far3PluginTest : public ::testing::Test {
  protected:
    Far3PluginTest() : plugin(clipboard, collation) { host.plugin_guid = far3::kPluginGuid; }

    void start() {
        const far3::PluginStartupInfo info = host.startup_info();
        plugin.set_startup_info(&info);
    }

    // OpenW as the host calls it, with resources checked to be released however it ended.
    far3::Handle open(int open_from, const far3::Uuid* item = &far3::kMenuGuid,
                      far3::IntPtr data = 0) {
        far3::OpenInfo info{sizeof info, open_from, item, data, nullptr};
        const far3::Handle result = plugin.open(&info);
        EXPECT_EQ(clipboard.open_count(), 0);
        EXPECT_EQ(host.open_settings, 0);
        EXPECT_EQ(host.violations, std::vector<std::string>{});
        return result;
    }
    // The command from the plug-ins menu, which never opens a panel.
    std::vector<int> select_with_text(std::u16string_view text) {
        clipboard.put_text(text);
        host.calls.clear();
        EXPECT_EQ(open(far3::OPEN_PLUGINSMENU), nullptr);
        return host.selected_indices();
    }

    // A menu entry chosen in the plug-ins menu, or run by a macro's Plugin.Menu.
    void open_entry(const far3::Uuid& item) {
        host.calls.clear();
        EXPECT_EQ(open(far3::OPEN_PLUGINSMENU, &item), nullptr);
    }
    // Plugin.Call with `arguments`, as the host passes them: no entry, its own record.
    far3::Handle call_macro(std::vector<far3::FarMacroValue> arguments) {
        host.calls.clear();
        const far3::OpenMacroInfo info{sizeof info, arguments.size(), arguments.data()};
        return open(far3::OPEN_FROMMACRO, nullptr, reinterpret_cast<far3::IntPtr>(&info));
    }

    far3::IntPtr configure(const far3::Uuid* item = &far3::kConfigGuid) {
        host.calls.clear();
        const far3::ConfigureInfo info{sizeof info, item, nullptr};
        const far3::IntPtr result = plugin.configure(&info);
        EXPECT_EQ(host.open_settings, 0);
        EXPECT_EQ(host.open_dialogs, 0);
        return result;
    }

    void TearDown() override {
        EXPECT_EQ(clipboard.open_count(), 0);
        EXPECT_EQ(host.open_settings, 0);
        EXPECT_EQ(host.open_dialogs, 0);
        EXPECT_EQ(host.violations, std::vector<std::string>{});
    }

    FakeFar3Host host;
    MemoryClipboard clipboard;
    MemoryCollation collation;
    far3::Plugin plugin;
};

}  // namespace pickwell::testing
