#include <gtest/gtest.h>

#include "fixture.h"

namespace pickwell::testing {
namespace {

using far2::FCTL_BEGINSELECTION;
using far2::FCTL_ENDSELECTION;
using far2::FCTL_GETPANELINFO;
using far2::FCTL_GETPANELITEM;
using far2::FCTL_REDRAWPANEL;
using far2::FCTL_SETSELECTION;

class SelectCommand : public PluginTest {
  protected:
    SelectCommand() { start(); }

    void panel(std::initializer_list<std::u16string> names) {
        for (const auto& name : names) {
            host.items.push_back({name, std::nullopt, std::nullopt, false});
        }
    }
    std::vector<int> select_with_text(std::u16string_view text) {
        clipboard.put_text(text);
        EXPECT_EQ(run_command(), far2::kInvalidHandle);
        return host.selected_indices();
    }
};

TEST_F(SelectCommand, CallsTheHostInItsOrder) {
    panel({u"a.txt", u"b.txt", u"c.txt"});
    clipboard.put_text(u"a.txt\r\nc.txt\r\nA.TXT");
    EXPECT_EQ(run_command(), far2::kInvalidHandle);

    const std::vector<HostCall> expected = {
        {FCTL_GETPANELINFO, 0, host.calls[0].param2},
        {FCTL_BEGINSELECTION, 0, 0},
        {FCTL_GETPANELITEM, 0, 0},
        {FCTL_GETPANELITEM, 0, 1},
        {FCTL_SETSELECTION, 0, 1},
        {FCTL_SETSELECTION, 0, 1},  // once per matching name
        {FCTL_GETPANELITEM, 1, 0},
        {FCTL_GETPANELITEM, 1, 1},
        {FCTL_GETPANELITEM, 2, 0},
        {FCTL_GETPANELITEM, 2, 1},
        {FCTL_SETSELECTION, 2, 1},
        {FCTL_ENDSELECTION, 0, 0},
        {FCTL_REDRAWPANEL, 0, 0},
    };
    EXPECT_EQ(host.calls, expected);
    // Settings are read after the clipboard is closed, in this order.
    EXPECT_EQ(clipboard.times_opened(), 1);
    EXPECT_EQ(clipboard.formats_read(), std::vector{ClipboardFormat::UnicodeText});
}

TEST_F(SelectCommand, ReadsSettingsInOrderAfterTheClipboard) {
    registry.store_string(kSettingsPath, kAddSeparators, u";");
    clipboard.put_text(u"x");
    run_command();
    const std::vector<std::u16string> expected = {kAddSeparators, kAddSeparators, kTrimSpaces,
                                                  kCaseSensitive};
    EXPECT_EQ(registry.queries(), expected);
}

TEST_F(SelectCommand, StopsAtOnceOffAFilePanelOrWithTheClipboardHeld) {
    clipboard.put_text(u"a.txt");
    panel({u"a.txt"});
    host.panel_type = 1;  // tree panel
    run_command();
    EXPECT_EQ(host.control_commands(), std::vector{FCTL_GETPANELINFO});
    EXPECT_EQ(clipboard.times_opened(), 0);

    host.calls.clear();
    host.panel_type = far2::PTYPE_FILEPANEL;
    clipboard.hold_elsewhere(true);
    EXPECT_EQ(run_command(), far2::kInvalidHandle);
    EXPECT_EQ(host.control_commands(), std::vector{FCTL_GETPANELINFO});
    EXPECT_TRUE(registry.queries().empty());
}

TEST_F(SelectCommand, MatchesByCaseRuleAndShortName) {
    host.items = {{u"a.txt", u"", {}, false},
                  {u"Long file name.txt", u"LONGFI~1.TXT", {}, false},
                  {u"Привет.txt", std::nullopt, {}, false},
                  {u"sub\\file.txt", std::nullopt, {}, false},
                  {u"file.txt", std::nullopt, {}, false},
                  {u"..", u"..", {}, false}};
    struct Case {
        const char* what;
        std::u16string text;
        int case_sensitive;  // -1: not stored
        std::vector<int> selected;
    };
    const Case cases[] = {
        {"case ignored by default", u"A.TXT", -1, {0}},
        {"case ignored when off", u"A.TXT", 0, {0}},
        {"case kept when on", u"A.TXT", 1, {}},
        {"any non-zero number is on", u"A.TXT", 2, {}},
        {"exact case when on", u"a.txt", 1, {0}},
        {"short name without case", u"longfi~1.txt", -1, {1}},
        {"never the short name with case", u"LONGFI~1.TXT", 1, {}},
        {"Cyrillic folds too", u"ПРИВЕТ.TXT", -1, {2}},
        {"a name without a backslash matches leaves", u"file.txt", -1, {3, 4}},
        {"a name with a backslash matches whole names", u"sub\\file.txt", -1, {3}},
        {"no leaf matching for a backslashed name", u"x\\file.txt", -1, {}},
        {"the parent entry like any other item", u"..", -1, {5}},
    };
    for (const Case& c : cases) {
        host.calls.clear();
        registry.erase(kSettingsPath, kCaseSensitive);
        if (c.case_sensitive >= 0) {
            registry.store_dword(kSettingsPath, kCaseSensitive,
                                 static_cast<std::uint32_t>(c.case_sensitive));
        }
        EXPECT_EQ(select_with_text(c.text), c.selected) << c.what;
    }
}

TEST_F(SelectCommand, UsesTheSeparatorAndTrimSettings) {
    panel({u"a", u" b ", u"c"});
    registry.store_string(kSettingsPath, kAddSeparators, u";");
    registry.store_dword(kSettingsPath, kTrimSpaces, 0);
    EXPECT_EQ(select_with_text(u"a; b ;c"), (std::vector{0, 1, 2}));
}

TEST_F(SelectCommand, TakesTextBeforeADropList) {
    panel({u"a.txt", u"x.txt"});
    clipboard.put(ClipboardFormat::FileDrop, drop_block({u"C:\\dir\\x.txt"}));
    clipboard.put_text(u"a.txt");
    EXPECT_EQ(select_with_text(u"a.txt"), std::vector{0});

    // Even an empty text hides the drop list.
    host.calls.clear();
    EXPECT_EQ(select_with_text(u""), std::vector<int>{});
    EXPECT_EQ(host.control_commands().back(), FCTL_REDRAWPANEL);
}

TEST_F(SelectCommand, DropListNamesOnFileAndPluginPanels) {
    panel({u"x.txt", u"C:\\dir\\x.txt", u"C:\\", u"my file .txt", u"noslash"});
    clipboard.put(ClipboardFormat::FileDrop,
                  drop_block({u"C:\\dir\\x.txt", u"C:\\", u"E:\\y\\my file .txt", u"noslash"}));

    run_command();
    EXPECT_EQ(host.selections(), (std::vector{1, 1, 1, 1, 1}));

    host.calls.clear();
    host.plugin_panel = 1;
    run_command();
    EXPECT_EQ(host.selections(), (std::vector{0, 1, 1, 0, 1}));
}

TEST_F(SelectCommand, ReadsAnAnsiDropList) {
    panel({u"caf\u00E9.txt"});
    clipboard.put(ClipboardFormat::FileDrop, drop_block({u"C:\\caf\u00E9.txt"}, false));
    run_command();
    EXPECT_EQ(host.selected_indices(), std::vector{0});
}

TEST_F(SelectCommand, SkipsItemsTheHostCannotGive) {
    host.items = {{u"a", {}, 0, false}, {u"a", {}, -5, false},
                  {u"a", {}, {}, true}, {std::nullopt, std::nullopt, {}, false},
                  {u"a", {}, 8, false},  // smaller than the record: read safely
                  {u"a", {}, {}, false}};
    clipboard.put_text(u"a");
    run_command();
    EXPECT_EQ(host.selected_indices(), std::vector{5});
}

TEST_F(SelectCommand, EmptyClipboardOnlyRedraws) {
    panel({u"a.txt"});
    run_command();
    EXPECT_EQ(host.control_commands(),
              (std::vector{FCTL_GETPANELINFO, FCTL_BEGINSELECTION, FCTL_GETPANELITEM,
                           FCTL_GETPANELITEM, FCTL_ENDSELECTION, FCTL_REDRAWPANEL}));
    EXPECT_EQ(clipboard.formats_read(),
              (std::vector{ClipboardFormat::UnicodeText, ClipboardFormat::FileDrop}));
}

TEST_F(SelectCommand, SettingsUnderAnOverlongRootReadAsDefaults) {
    const std::u16string root(300, u'r');
    start(root.c_str());
    panel({u"a.txt"});
    registry.store_dword(kSettingsPath, kCaseSensitive, 1);
    EXPECT_EQ(select_with_text(u"A.TXT"), std::vector{0});
    EXPECT_TRUE(registry.queries().empty());
}

TEST_F(SelectCommand, DoesNothingBeforeTheHostStartsIt) {
    MemoryClipboard other_clipboard;
    Platform other{other_clipboard, registry, collation};
    far2::Plugin fresh(other);
    EXPECT_EQ(fresh.open_plugin(), far2::kInvalidHandle);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(other_clipboard.times_opened(), 0);
}

}  // namespace
}  // namespace pickwell::testing
