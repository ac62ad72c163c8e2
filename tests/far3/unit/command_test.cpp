// The selection command through Far 3's OpenW: the host's call order and numbers, what a macro
// gets back, and the panels and items the host may report.
#include <gtest/gtest.h>

#include "core/settings.h"
#include "fixture.h"
#include "support/block_builders.h"

namespace pickwell::testing {
namespace {

using far3::FCTL_BEGINSELECTION;
using far3::FCTL_ENDSELECTION;
using far3::FCTL_GETPANELINFO;
using far3::FCTL_GETPANELITEM;
using far3::FCTL_REDRAWPANEL;
using far3::FCTL_SETSELECTION;
using far3::SCTL_CREATE;
using far3::SCTL_FREE;
using far3::SCTL_GET;

class Far3Command : public Far3PluginTest {
  protected:
    Far3Command() { start(); }

    void panel(std::initializer_list<std::u16string> names) {
        for (const auto& name : names) {
            host.items.push_back({name, std::nullopt, std::nullopt, false});
        }
    }
};

TEST_F(Far3Command, CallsTheHostInItsOrderWithItsNumbers) {
    panel({u"a.txt", u"b.txt", u"c.txt"});
    EXPECT_EQ(select_with_text(u"a.txt\r\nc.txt\r\nA.TXT"), (std::vector{0, 2}));

    const std::vector<Far3Call> expected = {
        panel_call(FCTL_GETPANELINFO, 0, 1),
        settings_call(SCTL_CREATE),
        settings_call(SCTL_GET, kAddSeparators, far3::FST_STRING),
        settings_call(SCTL_GET, kTrimSpaces, far3::FST_QWORD),
        panel_call(FCTL_BEGINSELECTION, 0, 0),
        settings_call(SCTL_GET, kCaseSensitive, far3::FST_QWORD),
        panel_call(FCTL_GETPANELITEM, 0, 0),
        panel_call(FCTL_GETPANELITEM, 0, 1),
        panel_call(FCTL_SETSELECTION, 0, 1),
        panel_call(FCTL_SETSELECTION, 0, 1),  // once per matching name
        panel_call(FCTL_GETPANELITEM, 1, 0),
        panel_call(FCTL_GETPANELITEM, 1, 1),
        panel_call(FCTL_GETPANELITEM, 2, 0),
        panel_call(FCTL_GETPANELITEM, 2, 1),
        panel_call(FCTL_SETSELECTION, 2, 1),
        panel_call(FCTL_ENDSELECTION, 0, 0),
        panel_call(FCTL_REDRAWPANEL, 0, 0),
        settings_call(SCTL_FREE),  // the reading is held to the end, as a key is on Far 2
    };
    EXPECT_EQ(host.calls, expected);
    EXPECT_EQ(clipboard.times_opened(), 1);
}

TEST_F(Far3Command, AMacroGetsTheNumberOfItemsMarked) {
    panel({u"a.txt", u"b.txt", u"c.txt"});
    struct Case {
        const char* what;
        std::u16string text;
        std::int64_t marked;
    };
    const Case cases[] = {
        {"items named twice count once", u"a.txt\r\nA.TXT\r\nc.txt\r\nnone.txt", 2},
        {"no item named", u"none.txt", 0},
        {"no names at all", u"", 0},
    };
    for (const Case& c : cases) {
        clipboard.put_text(c.text);
        EXPECT_EQ(macro_integer(open(far3::OPEN_FROMMACRO)), c.marked) << c.what;
    }
}

TEST_F(Far3Command, StopsAtOnceWhenItCannotRun) {
    panel({u"a.txt"});
    clipboard.put_text(u"a.txt");
    struct Case {
        const char* what;
        int panel_type;
        bool panel_info_fails;
        bool clipboard_held;
    };
    const Case cases[] = {
        {"a tree panel", 1, false, false},
        {"an information panel", 3, false, false},
        {"no panel information", far3::PTYPE_FILEPANEL, true, false},
        {"the clipboard held elsewhere", far3::PTYPE_FILEPANEL, false, true},
    };
    for (const Case& c : cases) {
        host.panel_type = c.panel_type;
        host.panel_info_fails = c.panel_info_fails;
        clipboard.hold_elsewhere(c.clipboard_held);
        for (const int open_from : {far3::OPEN_PLUGINSMENU, far3::OPEN_FROMMACRO}) {
            host.calls.clear();
            // The macro sees false.
            EXPECT_EQ(open(open_from), nullptr) << c.what;
            EXPECT_EQ(host.calls, std::vector{panel_call(FCTL_GETPANELINFO, 0, 1)}) << c.what;
        }
    }
    EXPECT_EQ(clipboard.times_opened(), 0);
}

TEST_F(Far3Command, OnlyAPluginPanelComparesWholePaths) {
    panel({u"x.txt", u"C:\\dir\\x.txt"});
    clipboard.put(ClipboardFormat::FileDrop, drop_block({u"C:\\dir\\x.txt"}));
    struct Case {
        far3::Flags64 flags;
        std::vector<int> selected;
    };
    constexpr far3::Flags64 kRealNames = 0x20, kVisible = 0x1000, kFocus = 0x2000;
    const Case cases[] = {
        {0, {0, 1}},
        {kRealNames | kVisible | kFocus, {0, 1}},
        {far3::PFLAGS_PLUGIN, {1}},
        {far3::PFLAGS_PLUGIN | kVisible, {1}},
    };
    for (const Case& c : cases) {
        host.panel_flags = c.flags;
        host.calls.clear();
        EXPECT_EQ(open(far3::OPEN_PLUGINSMENU), nullptr);
        EXPECT_EQ(host.selected_indices(), c.selected) << c.flags;
    }
}

TEST_F(Far3Command, NeverSelectsTheParentEntryNorTakesTheNamesOfAFoldersOwnEntries) {
    // The parent entry as Far 3 gives it, an item that only ends in "..", and one named ".".
    host.items = {{u"..", u"..", {}, false},
                  {u"x\\..", {}, {}, false},
                  {u"C:\\dir\\..", {}, {}, false},
                  {u".", {}, {}, false},
                  {u"a", {}, {}, false}};
    struct Case {
        const char* what;
        std::u16string text;
        std::vector<std::u16string> files;
        far3::Flags64 panel_flags;
        std::vector<int> selected;
        std::int64_t marked;
    };
    const Case cases[] = {
        {"the names in a text", u"..\r\n.\r\na", {}, 0, {4}, 1},
        {"a name with a folder is compared whole", u"x\\..", {}, 0, {1}, 1},
        {"a copied folder's own entries", u"", {u"C:\\dir\\..", u"C:\\dir\\."}, 0, {}, 0},
        {"a plug-in panel compares their whole paths",
         u"",
         {u"C:\\dir\\.."},
         far3::PFLAGS_PLUGIN,
         {2},
         1},
    };
    for (const Case& c : cases) {
        host.panel_flags = c.panel_flags;
        clipboard.clear();
        if (c.files.empty()) {
            clipboard.put_text(c.text);
        } else {
            clipboard.put(ClipboardFormat::FileDrop, drop_block(c.files));
        }
        host.calls.clear();
        EXPECT_EQ(open(far3::OPEN_PLUGINSMENU), nullptr) << c.what;
        EXPECT_EQ(host.selected_indices(), c.selected) << c.what;
        EXPECT_EQ(macro_integer(open(far3::OPEN_FROMMACRO)), c.marked) << c.what;
    }
}

// A text's full path is looked up by its file name on a file panel; every other name, and every
// name on a plug-in panel, as before.
TEST_F(Far3Command, LooksATextsFullPathsUpByTheirFileNamesOnAFilePanel) {
    host.items = {{u"..", u"..", {}, false},          {u"a.jpg", {}, {}, false},
                  {u"b.jpg", {}, {}, false},          {u"Photos", {}, {}, false},
                  {u"sub\\s.jpg", {}, {}, false},     {u"C:\\Photos\\p.jpg", {}, {}, false},
                  {u"C:\\Photos\\..", {}, {}, false}, {u"C:\\", {}, {}, false}};
    struct Case {
        const char* what;
        std::u16string text;
        std::vector<int> on_file_panel;
        std::vector<int> on_plugin_panel;
    };
    const Case cases[] = {
        // A file panel compares a file name with an item's leaf, as it always did.
        {"Explorer's Copy as path",
         u"\"C:\\Photos\\a.jpg\"\r\n\"D:\\Camera\\B.JPG\"\r\n\"C:\\Photos\\p.jpg\"",
         {1, 2, 5},
         {5}},
        {"a share, and the system's own prefix",
         u"\\\\nas\\share\\a.jpg\r\n\\\\?\\D:\\b.jpg\r\n\\\\?\\UNC\\nas\\share\\x\\b.jpg",
         {1, 2},
         {}},
        {"a folder given with its separator", u"D:\\Backup\\Photos\\", {3}, {}},
        {"a path to a folder's own entry is compared whole",
         u"C:\\Photos\\..\r\nC:\\Photos\\..\\",
         {6},
         {6}},
        {"a root alone is compared whole", u"C:\\", {7}, {7}},
        {"a relative path is compared whole", u"sub\\s.jpg\r\n\\sub\\a.jpg", {4}, {4}},
        {"forward slashes make no path", u"C:/Photos/a.jpg", {}, {}},
    };
    for (const Case& c : cases) {
        clipboard.put_text(c.text);
        for (const bool plugin_panel : {false, true}) {
            host.panel_flags = plugin_panel ? far3::PFLAGS_PLUGIN : 0;
            host.calls.clear();
            EXPECT_EQ(open(far3::OPEN_PLUGINSMENU), nullptr);
            EXPECT_EQ(host.selected_indices(), plugin_panel ? c.on_plugin_panel : c.on_file_panel)
                << c.what << (plugin_panel ? " (plug-in panel)" : " (file panel)");
        }
    }
    // Copied files are looked up as before: a file panel takes each one's own name already.
    host.panel_flags = 0;
    clipboard.clear();
    clipboard.put(ClipboardFormat::FileDrop, drop_block({u"C:\\Photos\\", u"D:\\x\\a.jpg"}));
    host.calls.clear();
    EXPECT_EQ(open(far3::OPEN_PLUGINSMENU), nullptr);
    EXPECT_EQ(host.selected_indices(), std::vector{1});
}

TEST_F(Far3Command, SkipsItemsTheHostCannotGive) {
    host.items = {
        {u"a", {}, 0, false},   // no size
        {u"a", {}, -5, false},  // no size
        {u"a", {}, {}, true},   // not filled
        {std::nullopt, std::nullopt, {}, false},
        {u"a", {}, 8, false},        // less than the record: the name does not fit
        {u"a", {}, {}, false},       // grows before it is filled
        {u"a", {}, 1 << 16, false},  // far more room than it needs
        {u"a", u"A~1", {}, false},
    };
    host.growing_items = {5};
    EXPECT_EQ(select_with_text(u"a"), (std::vector{6, 7}));
    std::vector<std::int64_t> fetched;
    for (const Far3Call& call : host.calls_of(Far3Service::PanelControl)) {
        if (call.command == FCTL_GETPANELITEM && call.param2 == 1) {
            fetched.push_back(call.param1);
        }
    }
    EXPECT_EQ(fetched, (std::vector<std::int64_t>{2, 3, 4, 5, 6, 7}));
}

TEST_F(Far3Command, ComparesTheShortNameOnlyWithoutCase) {
    host.items = {{u"Long file name.txt", u"LONGFI~1.TXT", {}, false},
                  {u"other.txt", std::nullopt, {}, false}};
    EXPECT_EQ(select_with_text(u"longfi~1.txt"), std::vector{0});
    host.settings[kCaseSensitive] = qword_setting(1);
    EXPECT_EQ(select_with_text(u"LONGFI~1.TXT"), std::vector<int>{});
}

}  // namespace
}  // namespace pickwell::testing
