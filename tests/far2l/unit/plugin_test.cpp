// The far2l adapter: its menu entries, the command of the first and the settings dialog.
#include "fixture.h"
#include "host/far2l/texts.h"
#include "platform/far2l/utf32_text.h"
#include "support/core_stand_ins.h"

namespace pickwell::testing {
namespace {

using far2l::FCTL_BEGINSELECTION;
using far2l::FCTL_ENDSELECTION;
using far2l::FCTL_GETPANELINFO;
using far2l::FCTL_GETPANELITEM;
using far2l::FCTL_REDRAWPANEL;
using far2l::FCTL_SETSELECTION;

TEST_F(Far2lPluginTest, PublishesTwoCommandsAndOneConfigurationEntry) {
    start();
    far2l::PluginInfo info{};
    plugin.get_plugin_info(&info);
    EXPECT_EQ(+info.StructSize, 64);
    ASSERT_EQ(+info.PluginMenuStringsNumber, 2);
    ASSERT_EQ(+info.PluginConfigStringsNumber, 1);
    EXPECT_EQ(std::u32string(info.PluginMenuStrings[0]), U"m4");
    EXPECT_EQ(std::u32string(info.PluginMenuStrings[1]), U"m9");
    EXPECT_EQ(std::u32string(info.PluginConfigStrings[0]), U"m4");
    EXPECT_EQ(+info.DiskMenuStringsNumber, 0);

    // Without a language file the host has no text: the module's own English stands in.
    host.no_language_file = true;
    plugin.get_plugin_info(&info);
    EXPECT_EQ(std::u32string(info.PluginMenuStrings[0]), U"Select files named on the clipboard");
    EXPECT_EQ(std::u32string(info.PluginMenuStrings[1]),
              U"Select files named on the clipboard and list those not found");
    EXPECT_EQ(std::u32string(info.PluginConfigStrings[0]), U"Select files named on the clipboard");
}

TEST_F(Far2lPluginTest, SelectsThroughTheHostsProtocol) {
    start();
    clipboard.put_text(U"b.txt");
    EXPECT_EQ(select({U"a.txt", U"B.TXT"}), std::vector<int>{1});
    const std::vector<Far2lCall> expected = {
        {FCTL_GETPANELINFO, 0, host.calls[0].param2},
        {FCTL_BEGINSELECTION, 0, 0},
        {FCTL_GETPANELITEM, 0, 0},  // the size first, then the fill
        {FCTL_GETPANELITEM, 0, 1},
        {FCTL_GETPANELITEM, 1, 0},
        {FCTL_GETPANELITEM, 1, 1},
        {FCTL_SETSELECTION, 1, 1},
        {FCTL_ENDSELECTION, 0, 0},
        {FCTL_REDRAWPANEL, 0, 0},
    };
    EXPECT_EQ(host.calls, expected);
}

TEST_F(Far2lPluginTest, MatchesNamesAsTheHostHasThem) {
    const struct {
        const char* what;
        std::u32string clipboard;
        std::vector<std::u32string> items;
        std::vector<int> selected;
        int plugin_panel = 0;
    } cases[] = {
        {"case ignored by default", U"README.md\nstra\u00DFe", {U"readme.MD", U"STRASSE"}, {0}},
        {"a plug-in panel compares a path with whole names",
         U"/home/u/a.txt",
         {U"a.txt", U"/home/u/a.txt"},
         {1},
         1},
        {"a full path on a file panel is looked up by its file name",
         U"/home/u/a.txt\n/tmp/B.TXT\n/home/u/Photos/\n/lead.txt",
         {U"a.txt", U"b.txt", U"Photos", U"lead.txt", U"other.txt"},
         {0, 1, 2, 3}},
        {"a slash elsewhere compares the name whole",
         U"u/a.txt\n./b.txt",
         {U"a.txt", U"b.txt", U"u/a.txt"},
         {2}},
        {"a full path to a folder's own entry, and the root, compare whole",
         U"/home/u/..\n/home/u/.\n/",
         {U"..", U".", U"u", U"/"},
         {3}},
        {"backslashes are part of a name", U"dir\\a.txt", {U"a.txt", U"dir\\a.txt"}, {1}},
        {"an invalid clipboard unit ends a name",
         {U'a', 0xD800, U'b'},
         {U"a", U"b", U"ab"},
         {0, 1}},
        {"an item with an invalid unit matches nothing",
         {U'x', 0xFFFD, U'y'},
         {{U'x', 0xD800, U'y'}, {U'x', 0x110000, U'y'}},
         {}},
        {"outside the BMP", U"\U0001F600.png", {U"\U0001F601.png", U"\U0001F600.PNG"}, {1}},
        {"never the parent entry, and no name of a folder's own entries",
         U"..\n.\nx/..\na",
         {U"..", U".", U"x/..", U"a"},
         {2, 3}},
    };
    start();
    for (const auto& c : cases) {
        host.plugin_panel = c.plugin_panel;
        clipboard.put_text(c.clipboard);
        EXPECT_EQ(select(c.items), c.selected) << c.what;
    }
}

TEST_F(Far2lPluginTest, CopiedFilesComeAsAUriListInPlaceOfTheText) {
    start();
    clipboard.put_text(U"c.txt");
    clipboard.put_named(U"text/uri-list",
                        "# two files\r\nfile:///home/u/a%20b.txt\r\nhttp://x/c.txt\r\n"
                        "file://elsewhere/c.txt\r\nfile://localhost/home/u/d.txt\r\n");
    const std::vector<std::u32string> items = {U"a b.txt", U"c.txt", U"d.txt", U"/home/u/d.txt"};
    // Each file's own name on a file panel, compared with the items' own names.
    EXPECT_EQ(select(items), (std::vector<int>{0, 2, 3}));
    host.plugin_panel = 1;
    EXPECT_EQ(select(items), std::vector<int>{3});

    // A list that names no local file hides no text.
    host.plugin_panel = 0;
    for (const char* list :
         {"", "# no files\r\n", "http://x/a%20b.txt\r\nfile://elsewhere/d.txt"}) {
        clipboard.put_named(U"text/uri-list", list);
        EXPECT_EQ(select(items), std::vector<int>{1}) << list;
    }

    // A clipboard that carries only text has no list to offer.
    host.plugin_panel = 0;
    clipboard.refuse_named_formats(true);
    EXPECT_EQ(select(items), std::vector<int>{1});
}

TEST_F(Far2lPluginTest, AHeldClipboardStopsTheCommandAtOnce) {
    start();
    clipboard.put_text(U"a");
    clipboard.hold_elsewhere(true);
    EXPECT_EQ(select({U"a"}), std::vector<int>{});
    EXPECT_EQ(host.control_commands(), std::vector<int>{FCTL_GETPANELINFO});
}

TEST_F(Far2lPluginTest, SeparatorsOutsideTheBmpAreDropped) {
    // Kept, the two halves of U+1F600 would split at U+1F601 and U+1F603 too.
    write_file(settings(), "[Settings]\nAddSeparators=;\xF0\x9F\x98\x80\n");
    start();
    clipboard.put_text(U"a;b x\U0001F601y\nphoto\U0001F603.jpg\nc\U0001F600d");
    EXPECT_EQ(select({U"a", U"b x\U0001F601y", U"x", U"y", U"photo\U0001F603.jpg", U"photo",
                      U"c\U0001F600d", U"c", U"d"}),
              (std::vector<int>{0, 1, 4, 6}));
}

TEST_F(Far2lPluginTest, ItemsTheHostCannotGiveAreSkipped) {
    start();
    clipboard.put_text(U"a\nb\nc\nd");
    host.set_names({U"a", U"b", U"c", U"d"});
    host.items[0].fill_fails = true;
    host.items[1].reported_size = 0;
    host.items[2].name = std::nullopt;
    // Smaller than the record: the buffer still holds a whole zero-filled one.
    host.items[3].reported_size = 8;
    host.calls.clear();
    EXPECT_EQ(plugin.open_plugin(0), far2l::kInvalidHandle);
    EXPECT_EQ(host.selected_indices(), std::vector<int>{});
    EXPECT_EQ(host.violations, std::vector<std::string>{});
}

TEST_F(Far2lPluginTest, EntryPointsBeforeStartupDoNothing) {
    far2l::PluginInfo info{};
    plugin.get_plugin_info(&info);  // the built-in text: the host gave none yet
    EXPECT_EQ(std::u32string(info.PluginMenuStrings[0]), U"Select files named on the clipboard");
    for (const far2l::IntPtr entry : {0, 1}) {
        EXPECT_EQ(plugin.open_plugin(entry), far2l::kInvalidHandle);
    }
    EXPECT_EQ(plugin.configure(0), far2l::kFalse);
    EXPECT_TRUE(host.calls.empty());
}

// The dialog: the same controls as on Windows, in the host's UTF-32.
TEST_F(Far2lPluginTest, DialogShowsTheStoredSettingsAndStoresTheAnswers) {
    write_file(settings(), "[Settings]\nAddSeparators=\" ;\U0001F600\"\nCaseSensitive=1\n");
    start();
    host.dialog.checks[5] = 0;
    host.dialog.edit_text = U"\u00A7,";
    EXPECT_EQ(plugin.configure(0), far2l::kTrue);

    ASSERT_EQ(host.dialog_items.size(), 9u);
    EXPECT_EQ(host.dialog_init_args, (std::vector<int>{-1, -1, 44, 11, 9, 0, 0}));
    EXPECT_EQ(host.dialog_help_topic, U"Config");  // F1 opens the settings' help
    EXPECT_FALSE(host.dialog_init_had_extras);
    const std::u32string texts[] = {U"m5", U"m6", U" ;\U0001F600", U"",  U"m7",
                                    U"m8", U"",   U"m1",           U"m2"};
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(host.dialog_texts[i], texts[i]) << i;
    }
    const int types[] = {far2l::DI_DOUBLEBOX, far2l::DI_TEXT,     far2l::DI_EDIT,
                         far2l::DI_TEXT,      far2l::DI_CHECKBOX, far2l::DI_CHECKBOX,
                         far2l::DI_TEXT,      far2l::DI_BUTTON,   far2l::DI_BUTTON};
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(host.dialog_items[i].Type, types[i]) << i;
    }
    EXPECT_EQ(host.dialog_items[2].MaxLen, 255u);
    EXPECT_EQ(host.dialog_items[4].Selected, 1);
    EXPECT_EQ(host.dialog_items[5].Selected, 1);  // TrimSpaces: the default
    EXPECT_EQ(host.dialog_items[3].Flags, far2l::DIF_SEPARATOR);
    EXPECT_EQ(host.dialog_items[7].DefaultButton, 1);
    EXPECT_EQ(host.dialog_items[8].Flags, far2l::DIF_CENTERGROUP);

    EXPECT_EQ(read_file(settings()),
              "[Settings]\nAddSeparators=\xC2\xA7,\nCaseSensitive=1\nTrimSpaces=0\n");
}

TEST_F(Far2lPluginTest, DialogShowsAsOnEveryNumberTheCommandReadsAsOn) {
    const struct {
        const char* stored;
        int shown;
        const char* kept;  // after OK with the box left as shown
    } cases[] = {
        {"0", 0, "0"},  {"1", 1, "1"},          {"2", 1, "1"},
        {"-1", 1, "1"}, {"4294967296", 1, "1"},  // nothing in its low 32 bits
    };
    start();
    for (const auto& c : cases) {
        write_file(settings(), std::string("[Settings]\nCaseSensitive=") + c.stored + "\n");
        EXPECT_EQ(plugin.configure(0), far2l::kTrue) << c.stored;
        EXPECT_EQ(host.dialog_items[4].Selected, c.shown) << c.stored;
        EXPECT_EQ(read_file(settings()), std::string("[Settings]\nCaseSensitive=") + c.kept +
                                             "\nTrimSpaces=1\nAddSeparators=\n")
            << c.stored;
    }
}

TEST_F(Far2lPluginTest, DialogNotConfirmedStoresNothing) {
    start();
    const struct {
        int item;
        int closed_by;
        bool create_fails;
    } cases[] = {{0, 8, false}, {0, -1, false}, {0, 7, true}, {1, 7, false}};
    for (const auto& c : cases) {
        host.dialog.closed_by = c.closed_by;
        host.dialog.create_fails = c.create_fails;
        EXPECT_EQ(plugin.configure(c.item), far2l::kFalse);
        EXPECT_FALSE(file_exists(settings()));
    }
}

TEST_F(Far2lPluginTest, DialogTextsFallBackToEnglishAndEditTextIsCut) {
    std::string long_text;
    for (int i = 0; i < 300; ++i) {
        long_text += "\xC3\xA9";  // é
    }
    write_file(settings(), "[Settings]\nAddSeparators=" + long_text + "\n");
    host.no_language_file = true;
    start();
    host.dialog.closed_by = 8;
    EXPECT_EQ(plugin.configure(0), far2l::kFalse);
    EXPECT_EQ(host.dialog_texts[0], U"Pickwell settings");
    EXPECT_EQ(host.dialog_texts[7], U"&OK");
    // 300 characters do not fit the field's 255: the reading rule shows none.
    EXPECT_EQ(host.dialog_texts[2], U"");
    // Every built-in text is the English language file's.
    EnglishTexts english;
    for (int number = 0; number < kMessageCount; ++number) {
        const auto id = static_cast<Message>(number);
        if (number != 3) {  // never asked for
            EXPECT_EQ(utf16_from_host(far2l::builtin_text(id)), english.text(id)) << number;
        }
    }
}

}  // namespace
}  // namespace pickwell::testing
