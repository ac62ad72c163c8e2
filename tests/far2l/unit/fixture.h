// The far2l adapter over a fake far2l host, the in-memory clipboard and a settings file in a
// folder of its own.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "host/far2l/plugin.h"
#include "platform/far2l/collation.h"
#include "platform/memory/far2l/clipboard.h"
#include "support/far2l/fake_host.h"
#include "support/temp_folder.h"

namespace pickwell::testing {

class Far2lPluginTest : public ::testing::Test {
  protected:
    void start() {
        host.start([&](const void* info) { plugin.set_startup_info(info); });
    }
    std::string settings() const { return profile / "plugins/pickwell/config.ini"; }

    // Entry `menu_item` of the plug-ins menu on a panel of `names`, with the clipboard checked
    // to be closed however it ended; the items it selected.
    std::vector<int> open(far2l::IntPtr menu_item, const std::vector<std::u32string>& names) {
        host.set_names(names);
        host.calls.clear();
        EXPECT_EQ(plugin.open_plugin(menu_item), far2l::kInvalidHandle);
        EXPECT_EQ(clipboard.open_count(), 0);
        EXPECT_EQ(clipboard.registrations_while_closed(), 0);
        EXPECT_EQ(host.violations, std::vector<std::string>{});
        return host.selected_indices();
    }
    // The command of the first entry, which selects and shows nothing.
    std::vector<int> select(const std::vector<std::u32string>& names) { return open(0, names); }
    // The second entry's, which selects and then reports.
    std::vector<int> report(const std::vector<std::u32string>& names) { return open(1, names); }

    void TearDown() override { EXPECT_EQ(host.open_dialogs, 0); }

    Far2lFakeHost host;
    MemoryWinPortClipboard clipboard;
    Far2lCollation collation;
    TempFolder profile;
    far2l::Plugin plugin{{clipboard, collation, [this] { return std::optional(settings()); }}};
};

}  // namespace pickwell::testing
