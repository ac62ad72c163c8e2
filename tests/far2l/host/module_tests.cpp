// The built module as far2l finds it: its entry points and the records it keeps.
#include "module_fixture.h"

namespace pickwell::far2l_host {
namespace {

TEST(Module, ExportsTheFourEntryPointsAndNoVersionCheck) {
    EXPECT_NE(module().set_startup_info, nullptr);
    EXPECT_NE(module().get_plugin_info, nullptr);
    EXPECT_NE(module().open_plugin, nullptr);
    EXPECT_NE(module().configure, nullptr);
    EXPECT_FALSE(module_exports("GetMinFarVersionW"));
}

class ModuleInfoTest : public ModuleTest {};

TEST_F(ModuleInfoTest, PublishesTwoCommandsAndOneConfigurationEntry) {
    far2l::PluginInfo info{};
    module().get_plugin_info(&info);
    // Copies of the packed record's fields: gtest binds references.
    EXPECT_EQ(+info.StructSize, 64);
    ASSERT_EQ(+info.PluginMenuStringsNumber, 2);
    ASSERT_EQ(+info.PluginConfigStringsNumber, 1);
    EXPECT_EQ(std::u32string(info.PluginMenuStrings[0]), U"m4");
    EXPECT_EQ(std::u32string(info.PluginMenuStrings[1]), U"m9");
    EXPECT_EQ(std::u32string(info.PluginConfigStrings[0]), U"m4");
    EXPECT_EQ(+info.Flags, 0u);
    EXPECT_EQ(+info.CommandPrefix, nullptr);

    host.no_language_file = true;
    module().get_plugin_info(&info);
    EXPECT_EQ(std::u32string(info.PluginMenuStrings[0]), U"Select files named on the clipboard");
    EXPECT_EQ(std::u32string(info.PluginMenuStrings[1]),
              U"Select files named on the clipboard and list those not found");
}

TEST_F(ModuleInfoTest, WorksFromWhatItReadOfTheStartupRecords) {
    // The host's records were poisoned when the startup call returned: the command and the
    // dialog reach the host only through what the module read out of them.
    clipboard_put_text(U"b");
    EXPECT_EQ(run_command({U"a", U"b"}), (std::vector<int>{0, 1}));
    host.dialog.closed_by = 8;
    EXPECT_EQ(module().configure(0), far2l::kFalse);
    EXPECT_EQ(host.dialog_items.size(), 9u);
}

}  // namespace
}  // namespace pickwell::far2l_host
