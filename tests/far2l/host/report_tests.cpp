// The second menu entry through the built module: the list of the names not found in the host's
// menu, its copy through the host's clipboard helper, and the messages in its message box.
#include "module_fixture.h"

namespace pickwell::far2l_host {
namespace {

using testing::Far2lMenuAnswer;

class ReportTest : public ModuleTest {
  protected:
    ReportTest() { host.no_language_file = true; }  // the module's English, with its numbers
};

TEST_F(ReportTest, ListsTheMissingNamesAndCopiesThemForTheCommand) {
    // Five names, two of them naming no item; one keeps its spaces only in quotes.
    clipboard_put_text(U"beta.txt\r\nMissing Two.txt\r\nalpha.txt\r\n\"  spaced  \"\r\ngamma.txt");
    host.menu_answers = {Far2lMenuAnswer::break_key(0, 1), Far2lMenuAnswer::escape()};
    EXPECT_EQ(run_report({U"alpha.txt", U"beta.txt", U"gamma.txt", U"other.txt"}),
              (std::vector<int>{1, 1, 1, 0}));

    ASSERT_EQ(host.menus.size(), 2u);
    for (const testing::Far2lMenuShown& menu : host.menus) {
        EXPECT_EQ(menu.title, U"2 of 5 names not found");
        EXPECT_EQ(menu.items, (std::vector<std::u32string>{U"Missing Two.txt", U"  spaced  "}));
        EXPECT_EQ(menu.help_topic, U"NotFound");
    }
    EXPECT_EQ(host.menus[0].bottom, U"Ctrl+C, Ctrl+Ins: copy the list");
    EXPECT_EQ(host.menus[1].bottom, U"The list is on the clipboard.");
    EXPECT_EQ(host.menus[1].selected, 1);  // shown again where it was
    ASSERT_EQ(host.copied.size(), 1u);

    // The copy is on the host's clipboard, in place of what was there, and the command reads
    // back the same two names.
    EXPECT_EQ(run_command({U"beta.txt", U"  spaced  ", U"spaced", U"Missing Two.txt"}),
              (std::vector<int>{0, 1, 0, 1}));
}

// The output of `find "$PWD" -name '*.jpg'` in ~/Photos, on a panel of that folder: each path
// selects its file by name, the one in a subfolder that is not on the panel is listed as the full
// path it was, and the copy selects it again.
TEST_F(ReportTest, FindsOutputOfFullPathsSelectsByFileNameAndListsThePathNotFound) {
    clipboard_put_text(
        U"/home/u/Photos/a.jpg\n/home/u/Photos/b.jpg\n/home/u/Photos/old/a.jpg\n"
        U"/home/u/Photos/old/c.jpg\n");
    host.menu_answers = {Far2lMenuAnswer::break_key(0), Far2lMenuAnswer::escape()};
    EXPECT_EQ(run_report({U"a.jpg", U"b.jpg", U"old", U"notes.txt"}),
              (std::vector<int>{2, 1, 0, 0}));

    ASSERT_EQ(host.menus.size(), 2u);
    EXPECT_EQ(host.menus[0].title, U"1 of 4 names not found");
    EXPECT_EQ(host.menus[0].items, std::vector<std::u32string>{U"/home/u/Photos/old/c.jpg"});
    EXPECT_EQ(run_command({U"a.jpg", U"c.jpg"}), (std::vector<int>{0, 1}));
}

TEST_F(ReportTest, WhatIsNotAListIsAMessage) {
    const struct {
        const char* what;
        int panel_type;
        bool held;
        far2l::Dword flags;
        std::u32string line;
        std::vector<int> selected;
    } cases[] = {
        {"all found",
         far2l::PTYPE_FILEPANEL,
         false,
         far2l::FMSG_MB_OK,
         U"All 3 names found; 3 items selected.",
         {1, 1, 1}},
        {"a tree panel",
         1,
         false,
         far2l::FMSG_WARNING | far2l::FMSG_MB_OK,
         U"The active panel is not a file panel.",
         {0, 0, 0}},
        {"the clipboard held elsewhere",
         far2l::PTYPE_FILEPANEL,
         true,
         far2l::FMSG_WARNING | far2l::FMSG_MB_OK,
         U"Another program holds the clipboard. Try again.",
         {0, 0, 0}},
    };
    for (const auto& c : cases) {
        host.message_boxes.clear();
        host.panel_type = c.panel_type;
        clipboard_hold_elsewhere(c.held);
        clipboard_put_text(U"a\nb\nC");
        EXPECT_EQ(run_report({U"a", U"b", U"c"}), c.selected) << c.what;
        const std::vector<testing::Far2lMessageShown> expected = {
            {c.flags, U"NotFound", {U"Pickwell", c.line}}};
        EXPECT_EQ(host.message_boxes, expected) << c.what;
        EXPECT_TRUE(host.menus.empty()) << c.what;
    }
}

// Copied files with names no clipboard text can hold: a control character shows as its picture,
// and the copy leaves out such names, and one with a quotation mark first, and says how many. A
// byte order mark first, which far2l's clipboard drops from a text's start, is kept in quotes.
TEST_F(ReportTest, OddNamesShowVisiblyAndTheCopyHoldsWhatATextCan) {
    clipboard_put_named(U"text/uri-list",
                        "file:///tmp/%EF%BB%BFbom.txt\r\nfile:///tmp/line%0Abreak.txt\r\n"
                        "file:///tmp/tab%09.txt\r\nfile:///tmp/kept.txt\r\n"
                        "file:///tmp/c1%C2%85.txt\r\nfile:///tmp/%22quote%20first.txt\r\n");
    host.menu_answers = {Far2lMenuAnswer::break_key(0)};
    EXPECT_EQ(run_report({U"kept.txt"}), std::vector<int>{1});
    ASSERT_EQ(host.menus.size(), 2u);
    EXPECT_EQ(host.menus[0].items, (std::vector<std::u32string>{
                                       U"\uFEFFbom.txt", U"line\u240Abreak.txt", U"tab\u2409.txt",
                                       U"c1<U+0085>.txt", U"\"quote first.txt"}));
    EXPECT_EQ(host.menus[1].bottom, U"The list is copied, but for 3 names no text can hold.");
    EXPECT_EQ(host.copied, std::vector<std::u32string>{U"\"\uFEFFbom.txt\"\nc1\u0085.txt\n"});
    // The first entry on the copy selects those two names as they are.
    EXPECT_EQ(run_command({U"bom.txt", U"\uFEFFbom.txt", U"c1\u0085.txt", U"quote first.txt"}),
              (std::vector<int>{0, 1, 1, 0}));
}

TEST_F(ReportTest, ALongListShowsFiveThousandNamesAndCopiesAll) {
    std::u32string text;
    for (int i = 0; i < 6000; ++i) {
        text += U"missing-";
        for (const char digit : std::to_string(i)) {
            text.push_back(static_cast<char32_t>(digit));
        }
        text += U"\n";
    }
    clipboard_put_text(text);
    host.menu_answers = {Far2lMenuAnswer::break_key(1, 4999)};
    EXPECT_EQ(run_report({U"file"}), std::vector<int>{0});
    ASSERT_EQ(host.menus.size(), 2u);
    ASSERT_EQ(host.menus[0].items.size(), 5001u);
    EXPECT_EQ(host.menus[0].items.back(), U"... and 1000 more, not shown: Ctrl+C copies them all");
    EXPECT_EQ(host.menus[1].selected, 4999);
    ASSERT_EQ(host.copied.size(), 1u);
    EXPECT_EQ(host.copied[0], text);
}

}  // namespace
}  // namespace pickwell::far2l_host
