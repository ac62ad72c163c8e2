#include <gtest/gtest.h>

#include <cstring>

#include "fixture.h"

namespace pickwell::testing {
namespace {

class PluginInfoTest : public PluginTest {};

TEST_F(PluginInfoTest, PublishesOneEntryInBothMenus) {
    start();
    far2::PluginInfo info{};
    info.Flags = 0xABCD;
    info.CommandPrefix = u"untouched";
    plugin.get_plugin_info(&info);

    EXPECT_EQ(info.StructSize, 80);
    ASSERT_EQ(info.PluginMenuStringsNumber, 1);
    ASSERT_EQ(info.PluginConfigStringsNumber, 1);
    EXPECT_EQ(info.PluginMenuStrings, info.PluginConfigStrings);
    EXPECT_EQ(info.PluginMenuStrings[0], FakeHost::message_text(4));
    EXPECT_EQ(info.Flags, 0xABCDu);
    EXPECT_EQ(std::u16string(info.CommandPrefix), u"untouched");
    EXPECT_EQ(info.DiskMenuStringsNumber, 0);
    EXPECT_EQ(host.calls, (std::vector<HostCall>{{kGetMsgCall, 4, 0x5A}}));

    // A second call fetches the text again into the same slot.
    far2::PluginInfo again{};
    plugin.get_plugin_info(&again);
    EXPECT_EQ(again.PluginMenuStrings, info.PluginMenuStrings);
    EXPECT_EQ(host.calls.size(), 2u);
}

TEST_F(PluginInfoTest, KeepsItsOwnCopyOfTheStartupRecord) {
    far2::PluginStartupInfo info = host.startup_info(kRootKey);
    plugin.set_startup_info(&info);
    std::memset(&info, 0, sizeof info);  // the host may reuse its record
    clipboard.put_text(u"x");
    EXPECT_EQ(plugin.open_plugin(), far2::kInvalidHandle);
    EXPECT_EQ(host.control_commands().back(), far2::FCTL_REDRAWPANEL);
    EXPECT_EQ(std::u16string(plugin.settings_path().get()), kSettingsPath);
}

}  // namespace
}  // namespace pickwell::testing
