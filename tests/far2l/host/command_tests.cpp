// The command through the built module: the clipboard's text or files, the stored settings.
#include <filesystem>

#include "module_fixture.h"

namespace pickwell::far2l_host {
namespace {

class CommandTest : public ModuleTest {};

TEST_F(CommandTest, SelectsTheItemsNamedOnTheClipboard) {
    const struct {
        const char* what;
        const char* settings;  // the settings file, or null for none
        std::u32string text;
        std::vector<int> selected;  // calls per item of kItems
    } cases[] = {
        {"case ignored by default", nullptr, U"README.MD\r\nphoto_001.JPG\n", {1, 1, 0, 0, 0}},
        {"with case",
         "[Settings]\nCaseSensitive=1\n",
         U"README.MD\nphoto_001.jpg",
         {0, 1, 0, 0, 0}},
        {"each naming counts", nullptr, U"readme.md\nReadme.md", {2, 0, 0, 0, 0}},
        {"trimmed", nullptr, U"   report 2026.pdf  ", {0, 0, 1, 0, 0}},
        {"not trimmed", "[Settings]\nTrimSpaces=0\n", U" report 2026.pdf", {0, 0, 0, 0, 0}},
        {"quoted", nullptr, U"\"report 2026.pdf\"", {0, 0, 1, 0, 0}},
        {"extra separators",
         "[Settings]\nAddSeparators=\"; \"\n",
         U"readme.md;Stra\u00DFe.txt",
         {1, 0, 0, 1, 0}},
        {"a byte-order mark", nullptr, U"\uFEFFreadme.md", {1, 0, 0, 0, 0}},
        {"outside the BMP", nullptr, U"\U0001F600", {0, 0, 0, 0, 1}},
        {"no name", nullptr, U"", {0, 0, 0, 0, 0}},
    };
    const std::vector<std::u32string> items = {U"Readme.md", U"photo_001.jpg", U"report 2026.pdf",
                                               U"Stra\u00DFe.txt", U"\U0001F600"};
    for (const auto& c : cases) {
        std::filesystem::remove(settings_file());
        if (c.settings != nullptr) {
            testing::write_file(settings_file(), c.settings);
        }
        clipboard_put_text(c.text);
        EXPECT_EQ(run_command(items), c.selected) << c.what;
        EXPECT_EQ(host.control_commands().back(), far2l::FCTL_REDRAWPANEL) << c.what;
    }
}

TEST_F(CommandTest, CopiedFilesComeAsAUriList) {
    clipboard_put_text(U"other.txt");
    clipboard_put_named(U"text/uri-list",
                        "file:///home/u/Stra%C3%9Fe.txt\r\nfile:///home/u/bad%G0\r\n");
    const std::vector<std::u32string> items = {U"Stra\u00DFe.txt", U"bad%G0", U"other.txt",
                                               U"/home/u/Stra\u00DFe.txt"};
    EXPECT_EQ(run_command(items), (std::vector<int>{1, 0, 0, 1}));
    host.plugin_panel = 1;
    EXPECT_EQ(run_command(items), (std::vector<int>{0, 0, 0, 1}));

    // A list that names no local file hides no text.
    host.plugin_panel = 0;
    clipboard_put_named(U"text/uri-list", "http://x/other.txt\r\nfile:///home/u/bad%G0\r\n");
    EXPECT_EQ(run_command(items), (std::vector<int>{0, 0, 1, 0}));

    clipboard_refuse_named_formats(true);  // a clipboard of text alone
    host.plugin_panel = 0;
    EXPECT_EQ(run_command(items), (std::vector<int>{0, 0, 1, 0}));
}

TEST_F(CommandTest, AClipboardHeldElsewhereStopsTheCommand) {
    clipboard_put_text(U"a");
    clipboard_hold_elsewhere(true);
    EXPECT_EQ(run_command({U"a"}), std::vector<int>{0});
    EXPECT_EQ(host.control_commands(), std::vector<int>{far2l::FCTL_GETPANELINFO});
}

TEST_F(CommandTest, OnlyAFilePanelIsWorkedOn) {
    clipboard_put_text(U"a");
    host.panel_type = 1;  // a tree panel
    EXPECT_EQ(run_command({U"a"}), std::vector<int>{0});
    EXPECT_EQ(clipboard_times_opened(), 0);
}

TEST_F(CommandTest, SettingsAreReadAfreshEachTime) {
    clipboard_put_text(U"A");
    EXPECT_EQ(run_command({U"a"}), std::vector<int>{1});
    testing::write_file(settings_file(), "[Settings]\nCaseSensitive=1\n");
    EXPECT_EQ(run_command({U"a"}), std::vector<int>{0});
}

}  // namespace
}  // namespace pickwell::far2l_host
