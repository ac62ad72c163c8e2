// The configuration dialog through the real DLL's ConfigureW and the real registry.
#include <windows.h>

#include <cstring>

#include "host_session.h"
#include "windows/real_clipboard.h"

namespace wine_test {
namespace {

using pickwell::testing::kDialogInitCall;
using pickwell::testing::kDialogRunCall;

constexpr int kEdit = 2;
constexpr int kCaseBox = 4;
constexpr int kTrimBox = 5;

std::vector<std::byte> dword_bytes(std::uint32_t value) {
    std::vector<std::byte> bytes(4);
    std::memcpy(bytes.data(), &value, 4);
    return bytes;
}

std::vector<std::byte> string_bytes(std::u16string_view text) {
    std::vector<std::byte> bytes((text.size() + 1) * 2);
    std::memcpy(bytes.data(), text.data(), text.size() * 2);
    return bytes;
}

int configure(HostSession& session, int item_number = 0) {
    session.host.calls.clear();
    const int result = plugin().ConfigureW(item_number);
    CHECK_EQ(session.host.violations, std::vector<std::string>{});
    CHECK_EQ(session.host.open_dialogs, 0);
    return result;
}

WINE_TEST(dialog_ok_with_no_key_stores_the_defaults) {
    HostSession session("dialog_defaults");
    CHECK_EQ(configure(session), TRUE);
    CHECK_EQ(session.host.dialog_init_args, (std::vector{-1, -1, 44, 11, 9, 0, 0}));
    CHECK_EQ(session.host.dialog_items.size(), std::size_t{9});
    CHECK_EQ(session.host.dialog_items[kEdit].MaxLen, std::size_t{256});
    CHECK_EQ(session.host.dialog_items[kCaseBox].Selected, far2::IntPtr{0});
    CHECK_EQ(session.host.dialog_items[kTrimBox].Selected, far2::IntPtr{1});

    using Value = TestRootKey::Value;
    CHECK(session.settings.value(u"CaseSensitive") == (Value{REG_DWORD, dword_bytes(0)}));
    CHECK(session.settings.value(u"TrimSpaces") == (Value{REG_DWORD, dword_bytes(1)}));
    CHECK(session.settings.value(u"AddSeparators") == (Value{REG_SZ, string_bytes(u"")}));
}

WINE_TEST(dialog_shows_stored_values_and_cancel_writes_nothing) {
    HostSession session("dialog_cancel");
    session.settings.store_dword(u"CaseSensitive", 2);
    session.settings.store_string(u"AddSeparators", u";,");
    session.host.dialog.closed_by = 8;
    session.host.dialog.checks[kCaseBox] = 0;
    session.host.dialog.edit_text = u"changed";
    CHECK_EQ(configure(session), FALSE);

    CHECK_EQ(session.host.dialog_items[kCaseBox].Selected, far2::IntPtr{2});
    CHECK_EQ(session.host.edit_text_at_init, std::u16string(u";,"));
    CHECK(session.settings.value(u"CaseSensitive") ==
          (TestRootKey::Value{REG_DWORD, dword_bytes(2)}));
    CHECK(!session.settings.value(u"TrimSpaces"));
}

WINE_TEST(dialog_refuses_other_items_and_failed_dialogs) {
    HostSession session("dialog_refuses");
    CHECK_EQ(configure(session, 1), FALSE);
    CHECK(session.host.calls.empty());

    session.host.dialog.create_fails = true;
    CHECK_EQ(configure(session), FALSE);
    CHECK_EQ(session.host.calls.back().command, kDialogInitCall);
    CHECK(!session.settings.settings_key_exists());
}

WINE_TEST(dialog_keeps_an_unterminated_full_value_inside_its_field) {
    HostSession session("dialog_full");
    // 512 bytes of separators and no terminator: followed in memory by non-NUL bytes so that
    // the registry stores them as they are.
    const std::vector<std::byte> data = string_bytes(std::u16string(258, u';'));
    session.settings.store(u"AddSeparators", REG_SZ, std::span(data).first(512));
    session.host.dialog.closed_by = 8;
    CHECK_EQ(configure(session), FALSE);
    CHECK(session.host.edit_text_at_init.size() <= 255);
}

WINE_TEST(dialog_settings_change_the_next_command) {
    HostSession session("dialog_then_command");
    session.host.dialog.checks[kCaseBox] = 1;
    session.host.dialog.edit_text = u";";
    CHECK_EQ(configure(session), TRUE);

    session.panel({u"a.txt", u"B.txt", u"b.txt"});
    put_on_clipboard({text_block(u"a.txt;b.txt")});
    CHECK_EQ(session.run_command(), (std::vector{1, 0, 1}));
}

}  // namespace
}  // namespace wine_test
