// Hostile input through the real Far 3 DLL: what other programs may leave on the clipboard or
// in the module's store, and panels far larger than usual.
#include <cstdio>

#include "host_session.h"
#include "windows/command_checks.h"
#include "windows/real_clipboard.h"

namespace wine_test {
namespace {

using V = std::vector<int>;
using pickwell::testing::Far3Setting;
using pickwell::testing::qword_setting;
using pickwell::testing::string_setting;

WINE_TEST(hostile_ansi_drop_list_is_read_in_the_ansi_code_page) {
    Far3Session session;
    check_ansi_drop_list(session);
}

WINE_TEST(hostile_drop_list_pointing_past_its_end_selects_nothing) {
    Far3Session session;
    check_drop_list_offsets(session);
}

WINE_TEST(hostile_panel_of_a_million_items_is_walked_once_and_marked_where_named) {
    Far3Session session;
    check_million_items(session);
}

// Values of another type or size than the module writes, as another program may leave them;
// the host converts a value to the type asked for.
WINE_TEST(hostile_settings_of_any_type_and_size_read_as_stored) {
    Far3Session session;
    session.panel({u"a", u"b", u"a;b", u"A"});
    struct Case {
        const char* what;
        Far3Setting case_sensitive, separators;
        V selected;             // with the clipboard text "a;b"
        far3::IntPtr case_box;  // what the dialog shows
        std::u16string field;
    };
    const std::u16string long_list(300, u';');
    const Case cases[] = {
        {"a number above 32 bits is on", qword_setting(std::uint64_t{1} << 32),
         string_setting(u";"), V{1, 1, 0, 0}, 1, u";"},
        {"the text 2 is on", string_setting(u"2"), string_setting(u""), V{0, 0, 1, 0}, 1, u""},
        {"a text that is no number is off", string_setting(u"on"), string_setting(u""),
         V{0, 0, 1, 0}, 0, u""},
        {"separators stored as a number read as its digits", qword_setting(0), qword_setting(59),
         V{0, 0, 1, 0}, 0, u"59"},
        {"separators longer than the field: the command uses them, the field opens empty",
         qword_setting(0), string_setting(long_list), V{1, 1, 0, 1}, 0, u""},
    };
    for (const Case& c : cases) {
        session.host.settings = {{u"CaseSensitive", c.case_sensitive},
                                 {u"AddSeparators", c.separators}};
        put_on_clipboard({text_block(u"a;b")});
        bool passed = CHECK_EQ(run_to_the_end(session), c.selected);
        session.host.dialog.closed_by = 8;
        CHECK_EQ(session.configure(), far3::kFalse);
        passed &= CHECK_EQ(session.host.dialog_items[4].Selected, c.case_box);
        passed &= CHECK_EQ(session.host.edit_text_at_init, c.field);
        if (!passed) {
            std::printf("    in case: %s\n", c.what);
        }
    }
}

WINE_TEST(hostile_store_that_cannot_be_opened_reads_as_the_defaults) {
    Far3Session session;
    session.panel({u"a.txt", u" b "});
    session.host.settings = {{u"CaseSensitive", qword_setting(1)},
                             {u"TrimSpaces", qword_setting(0)}};
    session.host.settings_create_fails = true;
    put_on_clipboard({text_block(u"A.TXT\r\n b ")});
    CHECK_EQ(run_to_the_end(session), (V{1, 0}));
    CHECK_EQ(session.configure(), far3::kTrue);
    CHECK_EQ(session.host.settings.size(), std::size_t{2});
}

// Run on its own (its own process), so that no earlier test has raised the peak it measures.
WINE_TEST(memory_clipboard_text_of_100_mb_completes_in_memory_proportional_to_it) {
    Far3Session session;
    check_huge_text(session);
}

}  // namespace
}  // namespace wine_test
