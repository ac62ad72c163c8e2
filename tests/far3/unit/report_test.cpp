// The second menu entry through Far 3's OpenW: what it has the host show, the keys of its list,
// its copy on the clipboard, and the entry that stays silent.
#include <gtest/gtest.h>

#include "core/settings.h"
#include "fixture.h"
#include "support/block_builders.h"

namespace pickwell::testing {
namespace {

constexpr far3::FarKey kCtrlC = {u'C', far3::kLeftCtrlPressed};
constexpr far3::FarKey kRightCtrlC = {u'C', far3::kRightCtrlPressed};
constexpr far3::FarKey kCtrlShiftC = {u'C', far3::kLeftCtrlPressed | far3::kShiftPressed};
constexpr far3::FarKey kCtrlIns = {0x2D, far3::kLeftCtrlPressed};

class Far3Report : public Far3PluginTest {
  protected:
    Far3Report() {
        start();
        host.messages = numbered_texts();
        for (const char16_t* name : {u"a.txt", u"b.txt", u"c.txt"}) {
            host.items.push_back({name, std::nullopt, std::nullopt, false});
        }
    }

    // The second entry on the clipboard's `text`.
    void report(std::u16string_view text) {
        clipboard.put_text(text);
        open_entry(far3::kReportMenuGuid);
    }

    // The one message box shown: its title, its lines and whether it warns.
    void expect_message(std::vector<std::u16string> items, bool warning) {
        ASSERT_EQ(host.message_boxes.size(), 1u);
        const Far3MessageBox& box = host.message_boxes[0];
        EXPECT_EQ(box.items, items);
        EXPECT_EQ(box.flags, far3::FMSG_MB_OK | (warning ? far3::FMSG_WARNING : 0));
        EXPECT_EQ(box.guid, far3::kReportMessageGuid);
        EXPECT_EQ(box.help_topic, u"NotFound");
        EXPECT_TRUE(host.menus.empty());
    }
};

TEST_F(Far3Report, ListsTheNamesNotFoundInAMenuWithItsCopyKeys) {
    report(u"x.txt\r\na.txt\r\nW & Z.txt\r\nX.TXT\r\nc.txt");

    EXPECT_EQ(host.selected_indices(), (std::vector{0, 2}));
    ASSERT_EQ(host.menus.size(), 1u);
    const Far3Menu& list = host.menus[0];
    EXPECT_EQ(list.guid, far3::kNotFoundListGuid);
    EXPECT_EQ(list.place, (std::vector<std::int64_t>{-1, -1, 0}));  // centred, as high as fits
    // Wrapping round at either end; "&" shown, not taken for a hot key.
    EXPECT_EQ(list.flags, far3::FMENU_WRAPMODE | far3::FMENU_SHOWAMPERSAND);
    EXPECT_EQ(list.title, u"m14 2 of 4");
    EXPECT_EQ(list.bottom, u"m16");
    EXPECT_EQ(list.help_topic, u"NotFound");
    EXPECT_EQ(list.items, (std::vector<std::u16string>{u"x.txt", u"W & Z.txt"}));
    EXPECT_EQ(list.item_flags, (std::vector<far3::Flags64>{far3::MIF_SELECTED, 0}));
    EXPECT_EQ(list.break_keys, (std::vector{kCtrlC, kCtrlIns}));
    EXPECT_TRUE(host.message_boxes.empty());
    EXPECT_TRUE(host.copied.empty());
}

TEST_F(Far3Report, EachCopyKeyCopiesTheListAndShowsItAgainWhereItWas) {
    struct Case {
        const char* what;
        std::vector<Far3MenuKey> keys;
        std::size_t menus_shown;
        std::size_t copies;
        std::size_t selected_after;  // in the last menu shown
    };
    const Case cases[] = {
        {"Esc", {{kEscKey, 1}}, 1, 0, 0},
        {"Enter", {{kEnterKey, 1}}, 1, 0, 0},
        {"Ctrl+C on the second line", {{kCtrlC, 1}}, 2, 1, 1},
        {"the right Ctrl key", {{kRightCtrlC, 1}}, 2, 1, 1},
        {"Ctrl+Ins, twice", {{kCtrlIns, 1}, {kCtrlIns, 0}}, 3, 2, 0},
        {"Ctrl+Shift+C is no copy key", {{kCtrlShiftC, 1}, {kEscKey, {}}}, 1, 0, 0},
    };
    for (const Case& c : cases) {
        host.menus.clear();
        host.copied.clear();
        host.menu_keys.assign(c.keys.begin(), c.keys.end());
        report(u"x.txt\r\na.txt\r\n y \r\n\"q;r\"");

        ASSERT_EQ(host.menus.size(), c.menus_shown) << c.what;
        EXPECT_EQ(host.copied.size(), c.copies) << c.what;
        for (const std::u16string& copy : host.copied) {
            // Trimmed and with no extra separators: quotes only where a name needs them.
            EXPECT_EQ(copy, u"x.txt\r\ny\r\nq;r\r\n") << c.what;
        }
        const Far3Menu& last = host.menus.back();
        EXPECT_EQ(last.bottom, c.copies > 0 ? u"m22" : u"m16") << c.what;
        std::vector<far3::Flags64> flags(3, 0);
        flags[c.selected_after] = far3::MIF_SELECTED;
        EXPECT_EQ(last.item_flags, flags) << c.what;
        EXPECT_TRUE(host.message_boxes.empty()) << c.what;
    }
}

TEST_F(Far3Report, TheCopyReadsBackAsTheSameNamesUnderTheSettingsInForce) {
    host.settings[kAddSeparators] = string_setting(u";");
    host.menu_keys = {{kCtrlC, {}}};
    report(u"\" lead\";a.txt;\"x;y\"");
    ASSERT_EQ(host.copied.size(), 1u);
    EXPECT_EQ(host.copied[0], u"\" lead\"\r\n\"x;y\"\r\n");

    host.items.clear();
    for (const char16_t* name : {u"x;y", u"lead", u" lead", u"x"}) {
        host.items.push_back({name, std::nullopt, std::nullopt, false});
    }
    EXPECT_EQ(select_with_text(host.copied[0]), (std::vector{0, 2}));
}

// Copied files whose names no clipboard text can hold: the copy leaves them out and says how
// many; a byte order mark first is kept in quotes.
TEST_F(Far3Report, TheCopyLeavesOutNamesNoTextCanHold) {
    const struct {
        const char* what;
        std::vector<std::u16string> files;
        std::vector<std::u16string> copied;
        std::u16string bottom;
    } cases[] = {
        {"a quotation mark first",
         {u"C:\\in\\\"quote first.txt", u"C:\\in\\x.txt"},
         {u"x.txt\r\n"},
         u"m24"},
        {"control characters",
         {u"C:\\in\\tab\tname.txt", u"C:\\in\\x.txt", u"C:\\in\\line\nfeed.txt"},
         {u"x.txt\r\n"},
         u"m23 2"},
        {"nothing a text can hold", {u"C:\\in\\\"q.txt"}, {}, u"m24"},
        {"a byte order mark first", {u"C:\\in\\\uFEFFbom.txt"}, {u"\"\uFEFFbom.txt\"\r\n"}, u"m22"},
    };
    for (const auto& c : cases) {
        host.menus.clear();
        host.copied.clear();
        host.menu_keys = {{kCtrlC, 0}};
        clipboard.clear();
        clipboard.put(ClipboardFormat::FileDrop, drop_block(c.files));
        open_entry(far3::kReportMenuGuid);
        ASSERT_EQ(host.menus.size(), 2u) << c.what;
        EXPECT_EQ(host.menus[0].items.size(), c.files.size()) << c.what;
        EXPECT_EQ(host.copied, c.copied) << c.what;
        EXPECT_EQ(host.menus[1].bottom, c.bottom) << c.what;
    }
    // The first entry on the copy selects the name with its byte order mark, not without.
    host.items.clear();
    for (const char16_t* name : {u"bom.txt", u"\uFEFFbom.txt"}) {
        host.items.push_back({name, std::nullopt, std::nullopt, false});
    }
    EXPECT_EQ(select_with_text(host.copied.at(0)), (std::vector{1}));
}

TEST_F(Far3Report, ACopyTheHostRefusesIsReportedAndTheListStays) {
    host.copy_fails = true;
    host.menu_keys = {{kCtrlC, 1}};
    report(u"x.txt\r\ny.txt");

    ASSERT_EQ(host.menus.size(), 2u);
    EXPECT_EQ(host.menus[1].bottom, u"m16");
    EXPECT_EQ(host.menus[1].item_flags, (std::vector<far3::Flags64>{0, far3::MIF_SELECTED}));
    ASSERT_EQ(host.message_boxes.size(), 1u);
    EXPECT_EQ(host.message_boxes[0].items, (std::vector<std::u16string>{u"m0", u"m21"}));
    EXPECT_EQ(host.message_boxes[0].flags, far3::FMSG_MB_OK | far3::FMSG_WARNING);
    const std::vector<Far3Call> copies = host.calls_of(Far3Service::CopyToClipboard);
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].command, far3::FCT_STREAM);
}

TEST_F(Far3Report, WithoutTheClipboardsWriterNothingIsCopied) {
    far3::PluginStartupInfo info = host.startup_info();
    host.functions.CopyToClipboard = nullptr;
    plugin.set_startup_info(&info);
    host.menu_keys = {{kCtrlC, {}}};
    report(u"x.txt");

    EXPECT_EQ(host.menus.size(), 2u);
    ASSERT_EQ(host.message_boxes.size(), 1u);
    EXPECT_EQ(host.message_boxes[0].items[1], u"m21");
}

TEST_F(Far3Report, AMessageSaysWhatBecameOfTheNamesWhenThereIsNoList) {
    struct Case {
        const char* what;
        std::u16string text;
        std::vector<std::u16string> items;
        bool warning;
    };
    const Case cases[] = {
        {"every name found", u"a.txt\r\nc.txt\r\nA.TXT", {u"m0", u"m10 2; m12 2."}, false},
        {"the one name found", u"b.txt", {u"m0", u"m11; m13."}, false},
        {"no names", u"\r\n \r\n", {u"m0", u"m20"}, true},
        // As a pasted `ls -a` holds them: the parent entry is never selected, and no item
        // but a folder's own entries has these names.
        {"a folder's own entries are no names", u".\r\n..\r\nb.txt", {u"m0", u"m11; m13."}, false},
        {"nothing but a folder's own entries", u".\r\n..", {u"m0", u"m20"}, true},
    };
    host.items.push_back({u"..", u"..", std::nullopt, false});  // as Far 3 gives its parent entry
    for (const Case& c : cases) {
        host.message_boxes.clear();
        report(c.text);
        expect_message(c.items, c.warning);
    }
}

TEST_F(Far3Report, AWarningSaysWhyTheCommandCouldNotRun) {
    host.panel_type = 1;  // a tree panel
    report(u"a.txt");
    expect_message({u"m0", u"m18"}, true);

    host.panel_type = far3::PTYPE_FILEPANEL;
    host.message_boxes.clear();
    clipboard.hold_elsewhere(true);
    open_entry(far3::kReportMenuGuid);
    expect_message({u"m0", u"m19"}, true);
    EXPECT_TRUE(host.selected_indices().empty());
}

TEST_F(Far3Report, TheFirstEntryShowsNothing) {
    for (const far3::Uuid* item : {&far3::kMenuGuid, static_cast<const far3::Uuid*>(nullptr)}) {
        host.panel_type = far3::PTYPE_FILEPANEL;
        clipboard.put_text(u"a.txt\r\nnone.txt");
        host.calls.clear();
        EXPECT_EQ(open(far3::OPEN_PLUGINSMENU, item), nullptr);
        EXPECT_EQ(host.selected_indices(), std::vector{0});

        host.panel_type = 1;
        host.calls.clear();
        EXPECT_EQ(open(far3::OPEN_PLUGINSMENU, item), nullptr);
    }
    EXPECT_TRUE(host.menus.empty());
    EXPECT_TRUE(host.message_boxes.empty());
}

// A host without the services to show anything: the entry does nothing, the first one works.
TEST_F(Far3Report, WithoutMenuOrMessageTheSecondEntryDoesNothing) {
    for (const bool without_menu : {true, false}) {
        far3::PluginStartupInfo info = host.startup_info();
        if (without_menu) {
            info.Menu = nullptr;
        } else {
            info.Message = nullptr;
        }
        plugin.set_startup_info(&info);

        const int opened = clipboard.times_opened();
        report(u"a.txt\r\nnone.txt");
        EXPECT_TRUE(host.calls.empty()) << without_menu;
        EXPECT_EQ(clipboard.times_opened(), opened) << without_menu;

        EXPECT_EQ(select_with_text(u"a.txt"), std::vector{0}) << without_menu;
    }
}

}  // namespace
}  // namespace pickwell::testing
