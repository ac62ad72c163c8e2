// The command's second form, over stand-ins of the host: what it selects and what it shows.
#include "report/report_command.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "core/settings.h"
#include "platform/memory/collation.h"
#include "platform/win32/full_path.h"
#include "select/name_parser.h"
#include "support/core_stand_ins.h"
#include "support/narrow.h"

namespace pickwell::testing {
namespace {

class ReportCommand : public ::testing::Test {
  protected:
    void clipboard_text(std::u16string text) { clipboard.content = ClipboardContent{text, {}}; }

    void run() {
        run_report_command({panel, clipboard, settings, collation, u'\\', ParentEntry::LikeAnyItem,
                            full_path_root},
                           view, texts);
    }

    // The one thing shown, which must be a message, as its one line.
    std::string message() {
        EXPECT_EQ(view.shown.size(), 1u);
        if (view.shown.size() != 1 || view.shown[0].list || view.shown[0].lines.size() != 1) {
            return "(no message)";
        }
        EXPECT_EQ(narrow(view.shown[0].title), "Pickwell");
        return narrow(view.shown[0].lines[0]);
    }

    ListPanel panel{{u"a.txt", u"b.txt", u"c.txt", u"D.TXT", u"e.txt", u"f.txt", u"g.txt"}};
    FixedClipboard clipboard;
    MapSettings settings;
    MemoryCollation collation;
    EnglishTexts texts;
    RecordingView view;
    FullPathRoot full_path_root = nullptr;
};

TEST_F(ReportCommand, ListsTheNamesNotFoundInClipboardOrderAndCopiesThemForTheParser) {
    clipboard_text(u"a.txt\r\nmissing one\r\nd.txt\r\n lead\r\nb.txt\r\nMISSING ONE\r\n");
    settings.numbers[kTrimSpaces] = 0;  // so that " lead" is a name of its own
    view.answers = {{true, 1}, {false, 1}};
    run();

    EXPECT_EQ(panel.selected(), (std::vector<std::u16string>{u"a.txt", u"b.txt", u"D.TXT"}));
    ASSERT_EQ(view.shown.size(), 2u);
    const RecordingView::Shown& list = view.shown[0];
    EXPECT_TRUE(list.list);
    EXPECT_EQ(narrow(list.title), "2 of 5 names not found");
    EXPECT_EQ(narrow(list.bottom), "Ctrl+C, Ctrl+Ins: copy the list");
    EXPECT_EQ(list.lines, (std::vector<std::u16string>{u"missing one", u" lead"}));
    EXPECT_EQ(list.selected, 0u);
    // After the copy, the list again, where it was, saying where the copy went.
    EXPECT_EQ(narrow(view.shown[1].bottom), "The list is on the clipboard.");
    EXPECT_EQ(view.shown[1].selected, 1u);
    ASSERT_EQ(view.copied.size(), 1u);
    EXPECT_EQ(narrow(view.copied[0]), narrow(u"missing one\r\n lead\r\n"));
    EXPECT_EQ(parse_names(view.copied[0], u"", false), (NameList{u"missing one", u" lead"}));
}

// Full paths are looked up by their file names, but stay names of their own as they were written:
// two of one file name are two names, shown and copied unchanged.
TEST_F(ReportCommand, FullPathsAreListedAndCopiedAsTheyWereWritten) {
    full_path_root = windows_full_path_root;
    clipboard_text(
        u"C:\\in\\a.txt\r\nD:\\in\\a.txt\r\nC:\\in\\gone.txt\r\nD:\\in\\gone.txt\r\n"
        u"c:\\IN\\GONE.TXT\r\nC:\\in\\b.txt\\..\r\n");
    view.answers = {{true, 0}};
    run();

    EXPECT_EQ(panel.selected(), (std::vector<std::u16string>{u"a.txt"}));
    EXPECT_EQ(panel.marks[0], 2);  // once per name
    ASSERT_FALSE(view.shown.empty());
    EXPECT_EQ(narrow(view.shown[0].title), "3 of 5 names not found");
    EXPECT_EQ(view.shown[0].lines,
              (std::vector<std::u16string>{u"C:\\in\\gone.txt", u"D:\\in\\gone.txt",
                                           u"C:\\in\\b.txt\\.."}));
    ASSERT_EQ(view.copied.size(), 1u);
    EXPECT_EQ(narrow(view.copied[0]),
              narrow(u"C:\\in\\gone.txt\r\nD:\\in\\gone.txt\r\nC:\\in\\b.txt\\..\r\n"));
}

// Copied files are never parsed, but their list's copy is: it quotes for the settings the text
// will be read with.
TEST_F(ReportCommand, TheCopyOfCopiedFilesReadsBackWithTheStoredSettings) {
    clipboard.content = ClipboardContent{std::nullopt, {u"C:\\in\\a;b.txt", u"C:\\in\\b.txt"}};
    settings.texts[kAddSeparators] = u";";
    view.answers = {{true, 0}};
    run();
    EXPECT_EQ(panel.selected(), (std::vector<std::u16string>{u"b.txt"}));
    ASSERT_EQ(view.copied.size(), 1u);
    EXPECT_EQ(narrow(view.copied[0]), narrow(u"\"a;b.txt\"\r\n"));
    EXPECT_EQ(parse_names(view.copied[0], u";", true), (NameList{u"a;b.txt"}));
}

// A copied file's name that no clipboard text can hold stays in the list, but the copy leaves it
// out and says how many it left out; a copy of no name leaves the clipboard as it was.
TEST_F(ReportCommand, TheCopyLeavesOutNamesNoTextCanHold) {
    const struct {
        const char* what;
        std::vector<std::u16string> files;
        std::vector<std::u16string> lines;
        std::vector<std::u16string> copied;
        const char* bottom;
    } cases[] = {
        {"a quotation mark first",
         {u"C:\\in\\\"quote first.txt", u"C:\\in\\b.txt", u"C:\\in\\x.txt"},
         {u"\"quote first.txt", u"x.txt"},
         {u"x.txt\r\n"},
         "The list is copied, but for 1 name no text can hold."},
        {"control characters",
         {u"C:\\in\\tab\tname.txt", u"C:\\in\\x.txt", u"C:\\in\\line\nfeed.txt"},
         {u"tab\u2409name.txt", u"x.txt", u"line\u240Afeed.txt"},
         {u"x.txt\r\n"},
         "The list is copied, but for 2 names no text can hold."},
        {"nothing a text can hold",
         {u"C:\\in\\\"q.txt", u"C:\\in\\t\t.txt"},
         {u"\"q.txt", u"t\u2409.txt"},
         {},
         "The list is copied, but for 2 names no text can hold."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        view = {};
        clipboard.content = ClipboardContent{std::nullopt, c.files};
        view.answers = {{true, 0}};
        run();
        ASSERT_EQ(view.shown.size(), 2u);
        EXPECT_EQ(view.shown[0].lines, c.lines);
        EXPECT_EQ(view.copied, c.copied);
        EXPECT_EQ(narrow(view.shown[1].bottom), c.bottom);
    }
}

TEST_F(ReportCommand, SaysWhenEveryNameWasFound) {
    const struct {
        std::u16string clipboard;
        const char* message;
    } cases[] = {
        // "a.txt" also names the item in the folder, by its part after the separator.
        {u"a.txt\nb.txt\nd.txt\nA.TXT", "All 3 names found; 4 items selected."},
        {u"b.txt", "The name was found; 1 item selected."},
        {u"sub\\a.txt\nSUB\\A.TXT", "The name was found; 1 item selected."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(narrow(c.clipboard));
        view = {};
        panel = ListPanel({u"a.txt", u"b.txt", u"D.TXT", u"sub\\a.txt"});
        clipboard_text(c.clipboard);
        run();
        EXPECT_EQ(message(), c.message);
        EXPECT_FALSE(view.shown.at(0).warning);
    }
}

TEST_F(ReportCommand, SaysWhyItCouldNotRun) {
    const struct {
        const char* what;
        bool file_panel;
        std::optional<ClipboardContent> content;
        const char* message;
    } cases[] = {
        {"a tree panel", false, ClipboardContent{u"a.txt", {}},
         "The active panel is not a file panel."},
        {"a held clipboard", true, std::nullopt, "Another program holds the clipboard. Try again."},
        {"an empty clipboard", true, ClipboardContent{},
         "The clipboard holds no text with names and no copied files."},
        {"a text without names", true, ClipboardContent{u"\r\n  \r\n", {}},
         "The clipboard holds no text with names and no copied files."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        view = {};
        panel.file_panel = c.file_panel;
        clipboard.content = c.content;
        run();
        EXPECT_EQ(message(), c.message);
        EXPECT_TRUE(view.shown.at(0).warning);
    }
}

TEST_F(ReportCommand, AFailedCopySaysSoAndShowsTheListAgain) {
    const struct {
        const char* what;
        std::deque<bool> held;  // at each copy
        std::vector<const char*> bottoms;
    } cases[] = {
        {"refused", {true}, {"Ctrl+C, Ctrl+Ins: copy the list", "Ctrl+C, Ctrl+Ins: copy the list"}},
        // The list no longer says that it is on the clipboard.
        {"copied, then refused",
         {false, true},
         {"Ctrl+C, Ctrl+Ins: copy the list", "The list is on the clipboard.",
          "Ctrl+C, Ctrl+Ins: copy the list"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        view = {};
        clipboard_text(u"nowhere");
        view.held_at_copy = c.held;
        view.answers.assign(c.held.size(), {true, 0});
        run();
        std::vector<std::string> bottoms;
        std::vector<std::string> messages;
        for (const RecordingView::Shown& shown : view.shown) {
            if (shown.list) {
                EXPECT_EQ(narrow(shown.title), "The name was not found");
                bottoms.push_back(narrow(shown.bottom));
            } else {
                EXPECT_TRUE(shown.warning);
                messages.push_back(narrow(shown.lines.at(0)));
            }
        }
        EXPECT_EQ(bottoms, std::vector<std::string>(c.bottoms.begin(), c.bottoms.end()));
        EXPECT_EQ(messages, std::vector<std::string>{
                                "The list was not copied: another program holds the clipboard."});
    }
}

// A hundred thousand names not found: the list shows the first few thousand and says how many
// more there are; the copy holds them all.
TEST_F(ReportCommand, AVeryLongListShowsItsStartAndCopiesEveryName) {
    std::u16string text;
    for (int i = 0; i < 100000; ++i) {
        const std::string number = std::to_string(i);
        text += u"name " + std::u16string(number.begin(), number.end()) + u"\n";
    }
    clipboard_text(text);
    view.answers = {{true, 4999}};
    run();
    ASSERT_EQ(view.shown.size(), 2u);
    const RecordingView::Shown& list = view.shown[0];
    EXPECT_EQ(narrow(list.title), "100000 of 100000 names not found");
    ASSERT_EQ(list.lines.size(), kNamesShown + 1);
    EXPECT_EQ(narrow(list.lines[kNamesShown - 1]), "name 4999");
    EXPECT_EQ(narrow(list.lines.back()), "... and 95000 more, not shown: Ctrl+C copies them all");
    ASSERT_EQ(view.copied.size(), 1u);
    EXPECT_EQ(parse_names(view.copied[0], u"", true).size(), 100000u);
}

}  // namespace
}  // namespace pickwell::testing
