// The second menu entry through the real Far 3 DLL and the real clipboard: the list of names not
// found, its copy on the clipboard, and the messages shown in its place.
#include "host_session.h"
#include "windows/real_clipboard.h"

namespace wine_test {
namespace {

using pickwell::testing::Far3Menu;
using pickwell::testing::Far3MessageBox;
using pickwell::testing::string_setting;
using Texts = std::vector<std::u16string>;

constexpr far3::FarKey kCtrlC = {u'C', far3::kLeftCtrlPressed};

// The second entry, with the module's texts shown by their numbers.
void report(Far3Session& session) {
    session.host.messages = pickwell::testing::numbered_texts();
    CHECK(session.open(far3::OPEN_PLUGINSMENU, &session.report_guid) == nullptr);
}

WINE_TEST(report_lists_the_names_not_found_and_its_copy_selects_them) {
    Far3Session session;
    session.host.settings = {{u"AddSeparators", string_setting(u";")}};
    session.panel({u"a.txt", u"b.txt", u"c.txt", u"other.txt"});
    // The first name starts with a byte order mark, which the clipboard keeps.
    put_on_clipboard(
        {text_block(u"\uFEFFbom.txt\r\na.txt\r\n\" lead.txt\"\r\nB.TXT;\"x;y.txt\"\r\nc.txt")});
    session.host.menu_keys = {{kCtrlC, 1}};
    report(session);

    CHECK_EQ(session.host.selections(), (std::vector{1, 1, 1, 0}));
    const std::vector<Far3Menu>& menus = session.host.menus;
    if (!CHECK_EQ(menus.size(), std::size_t{2})) {
        return;
    }
    CHECK_EQ(menus[0].title, std::u16string(u"m14 3 of 6"));
    CHECK_EQ(menus[0].items, (Texts{u"\uFEFFbom.txt", u" lead.txt", u"x;y.txt"}));
    CHECK_EQ(menus[0].item_flags, (std::vector<far3::Flags64>{far3::MIF_SELECTED, 0, 0}));
    CHECK_EQ(menus[0].help_topic, std::u16string(u"NotFound"));
    // Shown again where the copy key was pressed, saying that the list is on the clipboard.
    CHECK_EQ(menus[1].item_flags, (std::vector<far3::Flags64>{0, far3::MIF_SELECTED, 0}));
    CHECK_EQ(menus[1].bottom, std::u16string(u"m22"));
    CHECK(session.host.message_boxes.empty());

    // The first entry on what the copy left on the clipboard selects those three names only.
    session.host.items.clear();
    session.panel(
        {u"lead.txt", u" lead.txt", u"x", u"x;y.txt", u"y.txt", u"a.txt", u"\uFEFFbom.txt"});
    CHECK_EQ(session.run_command(), (std::vector{0, 1, 0, 1, 0, 0, 1}));
}

// Explorer's "Copy as path" of files from several folders, on a panel of C:\Photos: a quoted
// full path a line. The files are found by their names; the list shows the paths of those not
// found as they were copied, and its copy selects them again.
WINE_TEST(report_of_copy_as_path_selects_by_file_name_and_lists_the_paths_not_found) {
    Far3Session session;
    session.panel({u"a.jpg", u"b.jpg", u"c.jpg", u"d.jpg"});
    put_on_clipboard(
        {text_block(u"\"C:\\Photos\\a.jpg\"\r\n\"D:\\Camera\\B.JPG\"\r\n"
                    u"\"\\\\nas\\share\\2024\\c.jpg\"\r\n\"C:\\Photos\\gone.jpg\"\r\n"
                    u"\"D:\\Camera\\gone.jpg\"")});
    session.host.menu_keys = {{kCtrlC, 0}};
    report(session);

    CHECK_EQ(session.host.selections(), (std::vector{1, 1, 1, 0}));
    const std::vector<Far3Menu>& menus = session.host.menus;
    if (!CHECK_EQ(menus.size(), std::size_t{2})) {
        return;
    }
    CHECK_EQ(menus[0].title, std::u16string(u"m14 2 of 5"));
    CHECK_EQ(menus[0].items, (Texts{u"C:\\Photos\\gone.jpg", u"D:\\Camera\\gone.jpg"}));

    // Both paths name gone.jpg, each once.
    session.host.items.clear();
    session.panel({u"a.jpg", u"gone.jpg", u"Photos"});
    CHECK_EQ(session.run_command(), (std::vector{0, 2, 0}));
}

WINE_TEST(report_says_when_every_name_was_found) {
    Far3Session session;
    session.panel({u"a.txt", u"b.txt", u"c.txt"});
    put_on_clipboard({text_block(u"a.txt\r\nC.TXT\r\nb.txt")});
    report(session);

    CHECK_EQ(session.host.selections(), (std::vector{1, 1, 1}));
    CHECK(session.host.menus.empty());
    const std::vector<Far3MessageBox>& boxes = session.host.message_boxes;
    if (CHECK_EQ(boxes.size(), std::size_t{1})) {
        CHECK_EQ(boxes[0].items, (Texts{u"m0", u"m10 3; m12 3."}));
        CHECK_EQ(boxes[0].flags, far3::FMSG_MB_OK);
    }
}

WINE_TEST(report_warns_that_a_tree_panel_is_no_file_panel) {
    Far3Session session;
    session.panel({u"a.txt"});
    session.host.panel_type = 1;  // a tree panel
    put_on_clipboard({text_block(u"a.txt")});
    report(session);

    CHECK_EQ(session.host.panel_commands(), std::vector<std::int64_t>{far3::FCTL_GETPANELINFO});
    CHECK(session.host.menus.empty());
    const std::vector<Far3MessageBox>& boxes = session.host.message_boxes;
    if (CHECK_EQ(boxes.size(), std::size_t{1})) {
        CHECK_EQ(boxes[0].items, (Texts{u"m0", u"m18"}));
        CHECK_EQ(boxes[0].flags, far3::FMSG_MB_OK | far3::FMSG_WARNING);
    }
}

WINE_TEST(report_warns_when_another_program_holds_the_clipboard) {
    Far3Session session;
    session.panel({u"a.txt"});
    put_on_clipboard({text_block(u"a.txt")});
    {
        const ClipboardHolder other_program;
        CHECK(other_program.holding());
        report(session);
    }
    CHECK(session.host.menus.empty());
    const std::vector<Far3MessageBox>& boxes = session.host.message_boxes;
    if (CHECK_EQ(boxes.size(), std::size_t{1})) {
        CHECK_EQ(boxes[0].items, (Texts{u"m0", u"m19"}));
        CHECK_EQ(boxes[0].flags, far3::FMSG_MB_OK | far3::FMSG_WARNING);
    }
}

}  // namespace
}  // namespace wine_test
