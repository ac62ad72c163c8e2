// The second menu entry: it selects as the first, then tells through the host's message box and
// menu what became of the names, and copies the list through the host's clipboard helper.
#include <deque>

#include "fixture.h"
#include "host/far2l/report_view.h"

namespace pickwell::testing {
namespace {

using far2l::FMSG_MB_OK;
using far2l::FMSG_WARNING;

constexpr int kCtrlC = 0x00010043;
constexpr int kCtrlIns = 0x0001002D;

class Far2lReportTest : public Far2lPluginTest {
  protected:
    void forget_what_was_shown() {
        host.menus.clear();
        host.message_boxes.clear();
        host.copied.clear();
    }
};

TEST_F(Far2lReportTest, ListsTheNamesNotFoundInAMenu) {
    host.no_language_file = true;  // the module's English, with its numbers
    start();
    clipboard.put_text(U"b.txt\nmissing one\nA.TXT\n\U0001F600 gone\nW & Z");
    EXPECT_EQ(report({U"a.txt", U"b.txt", U"c.txt"}), (std::vector<int>{0, 1}));

    ASSERT_EQ(host.menus.size(), 1u);
    const Far2lMenuShown expected{{-1, -1, 0},  // centred, as high as the screen allows
                                                // "&" shown, not taken for a hot key
                                  far2l::FMENU_WRAPMODE | far2l::FMENU_SHOWAMPERSAND,
                                  U"3 of 5 names not found",
                                  U"Ctrl+C, Ctrl+Ins: copy the list",
                                  U"NotFound",
                                  {kCtrlC, kCtrlIns},
                                  {U"missing one", U"\U0001F600 gone", U"W & Z"},  // in order
                                  0};
    EXPECT_EQ(host.menus[0], expected);
    // Shown once the selection is made and drawn; closed with Esc, it copies nothing.
    EXPECT_EQ(host.control_commands().back(), far2l::FCTL_REDRAWPANEL);
    EXPECT_EQ(host.calls.back().command, kFar2lMenu);
    EXPECT_TRUE(host.message_boxes.empty());
    EXPECT_TRUE(host.copied.empty());
}

TEST_F(Far2lReportTest, CopyKeysPutTheListOnTheClipboardAndShowItAgain) {
    using Answer = Far2lMenuAnswer;
    const struct {
        const char* what;
        std::vector<Answer> answers;
        bool copy_fails;
        std::vector<int> cursor;  // where each showing of the list puts it
        std::vector<std::u32string> bottoms;
        std::size_t copies;
        std::vector<Far2lMessageShown> messages;
    } cases[] = {
        {"Ctrl+C", {Answer::break_key(0, 1)}, false, {0, 1}, {U"m16", U"m22"}, 1, {}},
        {"Ctrl+Ins", {Answer::break_key(1)}, false, {0, 0}, {U"m16", U"m22"}, 1, {}},
        {"copied twice",
         {Answer::break_key(0, 1), Answer::break_key(1, 0)},
         false,
         {0, 1, 0},
         {U"m16", U"m22", U"m22"},
         2,
         {}},
        {"Enter", {Answer::enter(1)}, false, {0}, {U"m16"}, 0, {}},
        {"Esc", {Answer::escape()}, false, {0}, {U"m16"}, 0, {}},
        {"the clipboard refuses",
         {Answer::break_key(0, 1)},
         true,
         {0, 1},
         {U"m16", U"m16"},
         1,
         {{FMSG_WARNING | FMSG_MB_OK, U"NotFound", {U"m0", U"m21"}}}},
    };
    start();
    for (const auto& c : cases) {
        forget_what_was_shown();
        host.menu_answers = std::deque<Far2lMenuAnswer>(c.answers.begin(), c.answers.end());
        host.copy_fails = c.copy_fails;
        clipboard.put_text(U"x\na\ny");
        EXPECT_EQ(report({U"a"}), std::vector<int>{0}) << c.what;

        std::vector<int> cursor;
        std::vector<std::u32string> bottoms;
        for (const Far2lMenuShown& menu : host.menus) {
            cursor.push_back(menu.selected);
            bottoms.push_back(menu.bottom);
            EXPECT_EQ(menu.items, (std::vector<std::u32string>{U"x", U"y"})) << c.what;
        }
        EXPECT_EQ(cursor, c.cursor) << c.what;
        EXPECT_EQ(bottoms, c.bottoms) << c.what;
        // The list as the parser reads it back, a line feed after each name.
        EXPECT_EQ(host.copied, std::vector<std::u32string>(c.copies, U"x\ny\n")) << c.what;
        EXPECT_EQ(host.message_boxes, c.messages) << c.what;
    }
}

TEST_F(Far2lReportTest, MessagesSayWhatBecameOfTheCommand) {
    const struct {
        const char* what;
        std::u32string clipboard;
        int panel_type = far2l::PTYPE_FILEPANEL;
        bool held = false;
        far2l::Dword flags;
        std::u32string line;
        std::vector<int> selected;
    } cases[] = {
        {"all found",
         U"a\nB",
         far2l::PTYPE_FILEPANEL,
         false,
         FMSG_MB_OK,
         U"All 2 names found; 2 items selected.",
         {0, 1}},
        {"the one name found",
         U"A",
         far2l::PTYPE_FILEPANEL,
         false,
         FMSG_MB_OK,
         U"The name was found; 1 item selected.",
         {0}},
        {"a tree panel",
         U"a",
         1,
         false,
         FMSG_WARNING | FMSG_MB_OK,
         U"The active panel is not a file panel.",
         {}},
        {"the clipboard held elsewhere",
         U"a",
         far2l::PTYPE_FILEPANEL,
         true,
         FMSG_WARNING | FMSG_MB_OK,
         U"Another program holds the clipboard. Try again.",
         {}},
        {"no names",
         U" \n\t",
         far2l::PTYPE_FILEPANEL,
         false,
         FMSG_WARNING | FMSG_MB_OK,
         U"The clipboard holds no text with names and no copied files.",
         {}},
    };
    host.no_language_file = true;
    start();
    for (const auto& c : cases) {
        forget_what_was_shown();
        host.panel_type = c.panel_type;
        clipboard.hold_elsewhere(c.held);
        clipboard.put_text(c.clipboard);
        EXPECT_EQ(report({U"a", U"b"}), c.selected) << c.what;
        const std::vector<Far2lMessageShown> expected = {
            {c.flags, U"NotFound", {U"Pickwell", c.line}}};
        EXPECT_EQ(host.message_boxes, expected) << c.what;
        EXPECT_TRUE(host.menus.empty()) << c.what;
    }
}

TEST_F(Far2lReportTest, NamesReachTheMenuVisiblyAndTheClipboardWhole) {
    start();
    // A line feed inside a copied file's name shows as its picture rather than breaking the line.
    clipboard.put_named(U"text/uri-list",
                        "file:///home/u/a%0Ab.txt\r\nfile:///home/u/%F0%9F%98%80.png\r\n");
    report({U"b.txt"});
    ASSERT_EQ(host.menus.size(), 1u);
    EXPECT_EQ(host.menus[0].items,
              (std::vector<std::u32string>{U"a\u240Ab.txt", U"\U0001F600.png"}));

    // A long name is cut in its middle to the list's width; its copy holds it whole.
    clipboard.clear();
    const std::u32string long_name = std::u32string(100, U'\u00E9') + U".txt";
    clipboard.put_text(U"\U0001F600.png\n" + long_name);
    host.menu_answers = {Far2lMenuAnswer::break_key(0)};
    forget_what_was_shown();
    report({U"b.txt"});
    ASSERT_EQ(host.menus.size(), 2u);
    const std::u32string& shown = host.menus[0].items[1];
    EXPECT_EQ(shown.size(), far2l::kListWidth);
    EXPECT_NE(shown.find(U'\u2026'), std::u32string::npos);
    EXPECT_TRUE(shown.ends_with(U"\u00E9.txt"));
    EXPECT_EQ(host.copied, std::vector<std::u32string>{U"\U0001F600.png\n" + long_name + U"\n"});
}

TEST_F(Far2lReportTest, AHostWithoutTheServicesStillSelects) {
    const struct {
        const char* what;
        bool without_menu, without_message, without_copy;
        std::size_t menus, messages;
    } cases[] = {
        {"no menu", true, false, false, 0, 0},
        {"no message box", false, true, false, 2, 0},
        // The copy fails: the message says so.
        {"no clipboard helper", false, false, true, 2, 1},
    };
    for (const auto& c : cases) {
        host.without_menu = c.without_menu;
        host.without_message = c.without_message;
        host.without_copy_to_clipboard = c.without_copy;
        start();
        forget_what_was_shown();
        host.menu_answers = {Far2lMenuAnswer::break_key(0)};
        clipboard.put_text(U"a\nmissing");
        EXPECT_EQ(report({U"a"}), std::vector<int>{0}) << c.what;
        EXPECT_EQ(host.menus.size(), c.menus) << c.what;
        EXPECT_EQ(host.message_boxes.size(), c.messages) << c.what;
    }
}

TEST_F(Far2lReportTest, TheOtherEntriesOnlySelect) {
    start();
    for (const far2l::IntPtr entry : {0, 2}) {
        for (const int panel_type : {far2l::PTYPE_FILEPANEL, 1}) {
            host.panel_type = panel_type;
            clipboard.put_text(U"a\nmissing");
            const std::vector<int> selected =
                panel_type == far2l::PTYPE_FILEPANEL ? std::vector<int>{0} : std::vector<int>{};
            EXPECT_EQ(open(entry, {U"a"}), selected);
            EXPECT_TRUE(host.menus.empty());
            EXPECT_TRUE(host.message_boxes.empty());
        }
    }
}

}  // namespace
}  // namespace pickwell::testing
