// The configuration dialog through the real Far 3 DLL's ConfigureW and the fake host's store.
#include "host_session.h"
#include "windows/real_clipboard.h"

namespace wine_test {
namespace {

using pickwell::testing::Far3Service;
using pickwell::testing::Far3Setting;
using pickwell::testing::qword_setting;
using pickwell::testing::string_setting;
using Settings = std::map<std::u16string, Far3Setting>;

constexpr int kEdit = 2;
constexpr int kCaseBox = 4;
constexpr int kTrimBox = 5;

// B5D33FEC-7F1B-4358-A47A-92BF3DEF41EA, as the README gives it.
constexpr far3::Uuid kDialogGuid = {
    0xB5D33FEC, 0x7F1B, 0x4358, {0xA4, 0x7A, 0x92, 0xBF, 0x3D, 0xEF, 0x41, 0xEA}};

WINE_TEST(dialog_ok_with_nothing_stored_stores_the_defaults) {
    Far3Session session;
    CHECK_EQ(session.configure(), far3::kTrue);
    const auto& host = session.host;
    CHECK_EQ(host.dialog_init_args, (std::vector<std::int64_t>{-1, -1, 44, 11, 9, 0, 0}));
    CHECK(host.dialog_guid == kDialogGuid);
    CHECK(host.dialog_help_topic == std::u16string(u"Config"));
    CHECK_EQ(host.dialog_items.size(), std::size_t{9});
    CHECK_EQ(host.dialog_items[kEdit].MaxLength, std::size_t{255});
    CHECK_EQ(host.dialog_items[kEdit].Flags, far3::DIF_FOCUS);
    CHECK_EQ(host.dialog_items[7].Flags, far3::DIF_CENTERGROUP | far3::DIF_DEFAULTBUTTON);
    CHECK_EQ(host.dialog_items[kCaseBox].Selected, far3::IntPtr{0});
    CHECK_EQ(host.dialog_items[kTrimBox].Selected, far3::IntPtr{1});
    CHECK(host.settings == (Settings{{u"CaseSensitive", qword_setting(0)},
                                     {u"TrimSpaces", qword_setting(1)},
                                     {u"AddSeparators", string_setting(u"")}}));
}

WINE_TEST(dialog_shows_stored_values_and_cancel_writes_nothing) {
    Far3Session session;
    const Settings stored = {{u"CaseSensitive", qword_setting(2)},
                             {u"AddSeparators", string_setting(u";,")}};
    session.host.settings = stored;
    session.host.dialog.closed_by = 8;
    session.host.dialog.checks[kCaseBox] = 0;
    session.host.dialog.edit_text = u"changed";
    CHECK_EQ(session.configure(), far3::kFalse);

    CHECK_EQ(session.host.dialog_items[kCaseBox].Selected, far3::IntPtr{1});  // on, as read
    CHECK_EQ(session.host.edit_text_at_init, std::u16string(u";,"));
    CHECK(session.host.settings == stored);
}

WINE_TEST(dialog_refuses_other_items_and_failed_dialogs) {
    Far3Session session;
    session.host.calls.clear();
    const far3::ConfigureInfo other{sizeof other, &session.menu_guid, nullptr};
    CHECK_EQ(far3_plugin().ConfigureW(&other), far3::kFalse);
    CHECK_EQ(far3_plugin().ConfigureW(nullptr), far3::kFalse);
    CHECK(session.host.calls.empty());

    session.host.dialog.create_fails = true;
    CHECK_EQ(session.configure(), far3::kFalse);
    CHECK(session.host.calls.back().service == Far3Service::DialogInit);
    CHECK(session.host.settings.empty());
}

WINE_TEST(dialog_settings_change_the_next_command) {
    Far3Session session;
    session.host.dialog.checks[kCaseBox] = 1;
    session.host.dialog.edit_text = u";";
    CHECK_EQ(session.configure(), far3::kTrue);

    session.panel({u"a.txt", u"B.txt", u"b.txt"});
    put_on_clipboard({text_block(u"a.txt;b.txt")});
    CHECK_EQ(session.run_command(), (std::vector{1, 0, 1}));
}

}  // namespace
}  // namespace wine_test
