// The selection command through the real DLL, the real clipboard, registry and comparison.
#include <windows.h>

#include "host_session.h"
#include "windows/command_checks.h"
#include "windows/real_clipboard.h"

namespace wine_test {
namespace {

using V = std::vector<int>;

WINE_TEST(command_selects_names_from_text_in_host_order) {
    HostSession session("text");
    session.panel({u"a.txt", u"b.txt", u"c.txt"});
    put_on_clipboard({text_block(u"a.txt\r\nc.txt\r\n")});
    CHECK_EQ(session.run_command(), (V{1, 0, 1}));

    std::vector<int> commands = session.host.control_commands();
    CHECK_EQ(commands,
             (V{far2::FCTL_GETPANELINFO, far2::FCTL_BEGINSELECTION, far2::FCTL_GETPANELITEM,
                far2::FCTL_GETPANELITEM, far2::FCTL_SETSELECTION, far2::FCTL_GETPANELITEM,
                far2::FCTL_GETPANELITEM, far2::FCTL_GETPANELITEM, far2::FCTL_GETPANELITEM,
                far2::FCTL_SETSELECTION, far2::FCTL_ENDSELECTION, far2::FCTL_REDRAWPANEL}));
}

WINE_TEST(command_compares_as_the_system_does) {
    HostSession session("locale");
    check_system_comparison(session);
}

WINE_TEST(command_reads_a_drop_list_when_there_is_no_text) {
    HostSession session("drop");
    check_drop_list(session);
}

WINE_TEST(command_uses_the_stored_settings) {
    HostSession session("settings");
    session.panel({u"a", u" b ", u"c", u"A"});
    session.settings.store_string(u"AddSeparators", u";");
    session.settings.store_dword(u"TrimSpaces", 0);
    session.settings.store_dword(u"CaseSensitive", 2);
    put_on_clipboard({text_block(u"a; b ;c")});
    CHECK_EQ(session.run_command(), (V{1, 1, 1, 0}));
}

WINE_TEST(command_stops_when_it_cannot_work) {
    HostSession session("stops");
    session.panel({u"a.txt"});
    put_on_clipboard({text_block(u"a.txt")});

    session.host.panel_type = 1;  // a tree panel
    CHECK_EQ(session.run_command(), (V{0}));
    CHECK_EQ(session.host.control_commands(), (V{far2::FCTL_GETPANELINFO}));

    session.host.panel_type = far2::PTYPE_FILEPANEL;
    {
        const ClipboardHolder other_program;
        CHECK(other_program.holding());
        CHECK_EQ(session.run_command(), (V{0}));
        CHECK_EQ(session.host.control_commands(), (V{far2::FCTL_GETPANELINFO}));
    }
    // The module closed the clipboard it opened: the next run can open it again.
    CHECK_EQ(session.run_command(), (V{1}));
    CHECK(OpenClipboard(nullptr));
    CloseClipboard();
}

WINE_TEST(command_survives_an_overlong_settings_root) {
    HostSession session("overlong");
    const std::u16string root(400, u'r');
    session.start(root.c_str());
    session.panel({u"a.txt"});
    put_on_clipboard({text_block(u"A.TXT")});
    CHECK_EQ(session.run_command(), (V{1}));
}

}  // namespace
}  // namespace wine_test
