// Hostile input through the real DLL: what other programs may leave on the clipboard or in the
// registry, and panels far larger than usual. Each case names the sound outcome it checks.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "host_session.h"
#include "support/block_builders.h"
#include "windows/command_checks.h"
#include "windows/open_handle_counter.h"
#include "windows/real_clipboard.h"

namespace wine_test {
namespace {

using V = std::vector<int>;
using Bytes = std::vector<std::byte>;

constexpr int kEditField = 2;
constexpr int kCaseBox = 4;
constexpr int kTrimBox = 5;
constexpr int kCancelButton = 8;

Bytes bytes(std::initializer_list<int> values) {
    Bytes out;
    for (const int value : values) {
        out.push_back(static_cast<std::byte>(value));
    }
    return out;
}

Bytes units(std::u16string_view text) {
    return pickwell::testing::bytes_of(text);
}

void reset_settings(const HostSession& session) {
    RegDeleteTreeW(HKEY_CURRENT_USER, reinterpret_cast<const wchar_t*>(session.settings.root()));
}

// Stores exactly `data`: Wine ends a REG_SZ value with a terminator of its own when a NUL
// follows the data in memory, so something else follows it here.
void store_exactly(const TestRootKey& settings, const char16_t* name, std::uint32_t type,
                   Bytes data) {
    const std::size_t size = data.size();
    data.insert(data.end(), 2, std::byte{'X'});
    settings.store(name, type, std::span(data).first(size));
    const auto stored = settings.value(name);
    CHECK(stored && stored->type == type && stored->data == Bytes(data.begin(), data.end() - 2));
}

// What the dialog shows, closed with Cancel so that it writes nothing.
const pickwell::testing::FakeHost& show_dialog(HostSession& session) {
    session.host.calls.clear();
    session.host.dialog.closed_by = kCancelButton;
    CHECK(count_open_handles(true));
    CHECK_EQ(plugin().ConfigureW(0), far2::kFalse);
    CHECK_EQ(open_handles().keys, 0);
    CHECK_EQ(session.host.open_dialogs, 0);
    return session.host;
}

WINE_TEST(hostile_ansi_drop_list_is_read_in_the_ansi_code_page) {
    HostSession session("ansi_drop");
    check_ansi_drop_list(session);
}

WINE_TEST(hostile_drop_list_pointing_past_its_end_selects_nothing) {
    HostSession session("drop_offset");
    check_drop_list_offsets(session);
}

WINE_TEST(hostile_panel_of_a_million_items_is_walked_once_and_marked_where_named) {
    HostSession session("million");
    check_million_items(session);
}

WINE_TEST(hostile_flags_of_every_type_and_size_read_by_their_first_four_bytes) {
    HostSession session("flag_types");
    session.panel({u"a.txt", u" a.txt "});
    struct Case {
        const char* what;
        const char16_t* value;
        std::uint32_t type;
        Bytes data;
        int as_read;  // what the dialog shows; non-zero is on for the command
    };
    const Case cases[] = {
        {"REG_DWORD 0", u"CaseSensitive", REG_DWORD, bytes({0, 0, 0, 0}), 0},
        {"REG_DWORD 2", u"CaseSensitive", REG_DWORD, bytes({2, 0, 0, 0}), 2},
        {"REG_NONE without data", u"CaseSensitive", REG_NONE, {}, 0},
        {"REG_BINARY of one byte", u"CaseSensitive", REG_BINARY, bytes({1}), 1},
        {"REG_BINARY of three bytes", u"CaseSensitive", REG_BINARY, bytes({0, 0, 1}), 0x10000},
        {"REG_SZ \"0\"", u"CaseSensitive", REG_SZ, units(std::u16string(u"0\0", 2)), u'0'},
        {"REG_EXPAND_SZ of five bytes", u"CaseSensitive", REG_EXPAND_SZ, bytes({0, 0, 0, 0, 7}), 0},
        {"REG_DWORD_BIG_ENDIAN 1", u"CaseSensitive", REG_DWORD_BIG_ENDIAN, bytes({0, 0, 0, 1}),
         0x01000000},
        {"REG_MULTI_SZ of seven bytes", u"CaseSensitive", REG_MULTI_SZ,
         bytes({'x', 0, 0, 0, 0, 0, 0}), 'x'},
        {"REG_RESOURCE_LIST of one byte", u"CaseSensitive", REG_RESOURCE_LIST, bytes({1}), 1},
        {"REG_QWORD 1 << 32", u"CaseSensitive", REG_QWORD, bytes({0, 0, 0, 0, 1, 0, 0, 0}), 0},
        {"nine bytes: the default", u"CaseSensitive", REG_BINARY,
         bytes({1, 1, 1, 1, 1, 1, 1, 1, 1}), 0},
        {"TrimSpaces REG_DWORD 0", u"TrimSpaces", REG_DWORD, bytes({0, 0, 0, 0}), 0},
        {"TrimSpaces of nine bytes: the default", u"TrimSpaces", REG_BINARY,
         bytes({0, 0, 0, 0, 0, 0, 0, 0, 0}), 1},
    };
    for (const Case& c : cases) {
        reset_settings(session);
        store_exactly(session.settings, c.value, c.type, c.data);
        const bool on = c.as_read != 0;
        const bool case_flag = std::u16string(c.value) == u"CaseSensitive";
        const int keys_opened = open_handles().keys_ever;
        put_on_clipboard({text_block(case_flag ? u"A.TXT" : u" a.txt ")});
        const V selected = case_flag ? (on ? V{0, 0} : V{1, 0}) : (on ? V{1, 0} : V{0, 1});
        bool passed = CHECK_EQ(run_to_the_end(session), selected);
        passed &= CHECK(open_handles().keys_ever > keys_opened);
        const auto& box = show_dialog(session).dialog_items[case_flag ? kCaseBox : kTrimBox];
        passed &= CHECK_EQ(static_cast<int>(box.Selected), c.as_read);
        if (!passed) {
            std::printf("    in case: %s\n", c.what);
        }
    }
}

WINE_TEST(hostile_separators_of_every_type_and_size_read_whole_or_not_at_all) {
    HostSession session("separator_types");
    session.panel({u"a", u"b", u"a;b"});
    struct Case {
        const char* what;
        std::uint32_t type;
        Bytes data;
        bool separates;         // the command read ";" among the separators
        std::u16string dialog;  // what the dialog's field shows
    };
    const std::u16string long_list(300, u';');
    const Case cases[] = {
        {"REG_SZ", REG_SZ, units(std::u16string(u";\0", 2)), true, u";"},
        {"REG_BINARY holding a text", REG_BINARY, units(std::u16string(u";\0", 2)), true, u";"},
        {"REG_DWORD holding a text", REG_DWORD, bytes({';', 0, 0, 0}), true, u";"},
        {"REG_MULTI_SZ", REG_MULTI_SZ, units(std::u16string(u";\0,\0\0", 5)), true, u";"},
        {"without its terminator: the last unit is dropped", REG_SZ, units(u";"), false, u";"},
        {"an odd size: the default", REG_SZ, bytes({';', 0, 0, 0, 'x'}), false, u";"},
        {"one byte: the default", REG_BINARY, bytes({';'}), false, u";"},
        {"REG_NONE without data", REG_NONE, {}, false, u""},
        {"longer than the dialog's field", REG_SZ, units(long_list + u'\0'), true, u""},
    };
    for (const Case& c : cases) {
        reset_settings(session);
        store_exactly(session.settings, u"AddSeparators", c.type, c.data);
        put_on_clipboard({text_block(u"a;b")});
        bool passed = CHECK_EQ(run_to_the_end(session), c.separates ? (V{1, 1, 0}) : (V{0, 0, 1}));
        const auto& shown = show_dialog(session);
        passed &= CHECK_EQ(shown.edit_text_at_init, c.dialog);
        passed &= CHECK_EQ(static_cast<std::size_t>(shown.dialog_items[kEditField].MaxLen),
                           std::size_t{256});
        if (!passed) {
            std::printf("    in case: %s\n", c.what);
        }
    }
}

// Run on its own (its own process), so that no earlier test has raised the peak it measures.
WINE_TEST(memory_clipboard_text_of_100_mb_completes_in_memory_proportional_to_it) {
    HostSession session("big_text");
    check_huge_text(session);
}

}  // namespace
}  // namespace wine_test
