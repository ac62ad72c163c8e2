// The configuration dialog through the built module, and the settings file it keeps.
#include "module_fixture.h"

namespace pickwell::far2l_host {
namespace {

class DialogTest : public ModuleTest {};

TEST_F(DialogTest, StoresTheAnswersInTheProfile) {
    host.dialog.checks[4] = 1;
    host.dialog.checks[5] = 0;
    host.dialog.edit_text = U" ;\U0001F600";
    EXPECT_EQ(module().configure(0), far2l::kTrue);
    EXPECT_EQ(testing::read_file(settings_file()),
              "[Settings]\nCaseSensitive=1\nTrimSpaces=0\n"
              "AddSeparators=\" ;\xF0\x9F\x98\x80\"\n\n");

    // And shows them the next time.
    host.dialog = {};
    host.dialog.closed_by = 8;
    EXPECT_EQ(module().configure(0), far2l::kFalse);
    EXPECT_EQ(host.dialog_texts[2], U" ;\U0001F600");
    EXPECT_EQ(host.dialog_items[4].Selected, 1);
    EXPECT_EQ(host.dialog_items[5].Selected, 0);
    EXPECT_EQ(host.dialog_help_topic, U"Config");  // what F1 opens
}

TEST_F(DialogTest, FindsTheProfileByTheHostsRule) {
    // Without FARSETTINGS an absolute XDG_CONFIG_HOME holds far2l's profile.
    const testing::TempFolder xdg;
    const ScopedVariable no_far_settings("FARSETTINGS", std::nullopt);
    const ScopedVariable config_home("XDG_CONFIG_HOME", xdg.path());
    EXPECT_EQ(module().configure(0), far2l::kTrue);
    EXPECT_TRUE(testing::file_exists(xdg / "far2l/plugins/pickwell/config.ini"));

    // A plain FARSETTINGS names a custom profile inside it.
    const ScopedVariable custom("FARSETTINGS", "work");
    EXPECT_EQ(module().configure(0), far2l::kTrue);
    EXPECT_TRUE(testing::file_exists(xdg / "far2l/custom/work/plugins/pickwell/config.ini"));
    EXPECT_FALSE(testing::file_exists(settings_file()));
}

TEST_F(DialogTest, NotConfirmedStoresNothing) {
    for (const int closed_by : {8, -1, -2}) {
        host.dialog.closed_by = closed_by;
        EXPECT_EQ(module().configure(0), far2l::kFalse);
    }
    EXPECT_EQ(module().configure(1), far2l::kFalse);
    EXPECT_FALSE(testing::file_exists(settings_file()));
}

TEST_F(DialogTest, WithoutLanguageFilesShowsEnglish) {
    host.no_language_file = true;
    host.dialog.closed_by = 8;
    EXPECT_EQ(module().configure(0), far2l::kFalse);
    const std::u32string texts[] = {U"Pickwell settings",
                                    U"&Extra separators:",
                                    U"",
                                    U"",
                                    U"Case-&sensitive matching",
                                    U"&Trim spaces around names",
                                    U"",
                                    U"&OK",
                                    U"&Cancel"};
    ASSERT_EQ(host.dialog_texts.size(), 9u);
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(host.dialog_texts[i], texts[i]) << i;
        if (host.dialog_items[i].Type != far2l::DI_EDIT && !texts[i].empty()) {
            EXPECT_NE(host.dialog_items[i].PtrData, nullptr) << i;
        }
    }
}

}  // namespace
}  // namespace pickwell::far2l_host
