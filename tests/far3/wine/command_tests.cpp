// The selection command through the real Far 3 DLL, the real clipboard and comparison, and the
// fake host's own settings store.
#include <windows.h>

#include "host_session.h"
#include "windows/command_checks.h"
#include "windows/real_clipboard.h"

namespace wine_test {
namespace {

using V = std::vector<int>;
using W = std::vector<std::int64_t>;
using pickwell::testing::qword_setting;
using pickwell::testing::string_setting;

WINE_TEST(command_selects_names_from_text_in_host_order) {
    Far3Session session;
    session.panel({u"a.txt", u"b.txt", u"c.txt"});
    put_on_clipboard({text_block(u"a.txt\r\nc.txt\r\n")});
    CHECK_EQ(session.run_command(), (V{1, 0, 1}));
    CHECK_EQ(session.host.panel_commands(),
             (W{far3::FCTL_GETPANELINFO, far3::FCTL_BEGINSELECTION, far3::FCTL_GETPANELITEM,
                far3::FCTL_GETPANELITEM, far3::FCTL_SETSELECTION, far3::FCTL_GETPANELITEM,
                far3::FCTL_GETPANELITEM, far3::FCTL_GETPANELITEM, far3::FCTL_GETPANELITEM,
                far3::FCTL_SETSELECTION, far3::FCTL_ENDSELECTION, far3::FCTL_REDRAWPANEL}));
    // One settings handle, created before the selection and freed after the redraw.
    CHECK_EQ(session.host.settings_opened, 1);
    CHECK_EQ(session.host.calls.back(), pickwell::testing::settings_call(far3::SCTL_FREE));
}

WINE_TEST(command_compares_as_the_system_does) {
    Far3Session session;
    check_system_comparison(session);
}

WINE_TEST(command_reads_a_drop_list_when_there_is_no_text) {
    Far3Session session;
    check_drop_list(session);
}

WINE_TEST(differential_counts_as_comparing_every_item_with_every_name) {
    Far3Session session;
    check_random_panels(session, Module::Far3);
}

WINE_TEST(command_uses_the_stored_settings) {
    Far3Session session;
    session.panel({u"a", u" b ", u"c", u"A"});
    session.host.settings = {{u"AddSeparators", string_setting(u";")},
                             {u"TrimSpaces", qword_setting(0)},
                             {u"CaseSensitive", qword_setting(std::uint64_t{1} << 32)}};
    put_on_clipboard({text_block(u"a; b ;c")});
    CHECK_EQ(session.run_command(), (V{1, 1, 1, 0}));
}

WINE_TEST(command_gives_a_macro_the_number_of_items_marked) {
    Far3Session session;
    session.panel({u"a.txt", u"b.txt", u"c.txt"});
    put_on_clipboard({text_block(u"a.txt\r\nA.TXT\r\nc.txt\r\nnone.txt")});
    const auto marked = [&] {
        return pickwell::testing::macro_integer(session.open(far3::OPEN_FROMMACRO)).value_or(-1);
    };
    CHECK_EQ(marked(), std::int64_t{2});
    put_on_clipboard({text_block(u"none.txt")});
    CHECK_EQ(marked(), std::int64_t{0});
}

WINE_TEST(command_stops_when_it_cannot_work) {
    Far3Session session;
    session.panel({u"a.txt"});
    put_on_clipboard({text_block(u"a.txt")});
    const auto stops_at_once = [&](const char* what) {
        for (const int open_from : {far3::OPEN_PLUGINSMENU, far3::OPEN_FROMMACRO}) {
            // The macro sees false.
            if (!CHECK(session.open(open_from) == nullptr) ||
                !CHECK_EQ(session.host.panel_commands(), W{far3::FCTL_GETPANELINFO}) ||
                !CHECK_EQ(session.host.settings_opened, 0)) {
                std::printf("    in case: %s\n", what);
            }
        }
    };
    session.host.panel_type = 1;  // a tree panel
    stops_at_once("a tree panel");
    session.host.panel_type = far3::PTYPE_FILEPANEL;
    session.host.panel_info_fails = true;
    stops_at_once("no panel information");
    session.host.panel_info_fails = false;
    {
        const ClipboardHolder other_program;
        CHECK(other_program.holding());
        stops_at_once("the clipboard held by another program");
    }
    // The module closed the clipboard it opened: the next run can open it again.
    CHECK_EQ(session.run_command(), (V{1}));
    CHECK(OpenClipboard(nullptr));
    CloseClipboard();
}

WINE_TEST(command_never_reads_the_far2_registry) {
    // The Far 2 module's settings, where a default Far 2 installation keeps them.
    const wchar_t* const key = L"Software\\Far2\\Plugins\\Zentro\\Pickwell";
    HKEY created = nullptr;
    CHECK(RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created,
                          nullptr) == ERROR_SUCCESS);
    const DWORD on = 1;
    RegSetValueExW(created, L"CaseSensitive", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&on),
                   sizeof on);
    RegCloseKey(created);

    Far3Session session;
    session.panel({u"a.txt"});
    put_on_clipboard({text_block(u"A.TXT")});
    CHECK_EQ(session.run_command(), (V{1}));
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Far2");
}

}  // namespace
}  // namespace wine_test
