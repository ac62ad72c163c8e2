// The configuration dialog through Far 3's ConfigureW: the host's items, the identities it is
// shown under, and what it stores.
#include <gtest/gtest.h>

#include "config/dialog_layout.h"
#include "core/settings.h"
#include "fixture.h"

namespace pickwell::testing {
namespace {

using Settings = std::map<std::u16string, Far3Setting>;

class Far3Dialog : public Far3PluginTest {
  protected:
    Far3Dialog() { start(); }
};

TEST_F(Far3Dialog, ExpandsTheItemTableForTheHost) {
    constexpr far3::Flags64 kCentered = far3::DIF_CENTERGROUP;
    struct Expected {
        int type;
        std::vector<far3::IntPtr> box;  // x1, y1, x2, y2
        far3::Flags64 flags;
        const char16_t* text;  // null: no text
    };
    const Expected expected[9] = {
        {far3::DI_DOUBLEBOX, {3, 1, 40, 9}, 0, ScriptedTexts::message_text(5)},
        {far3::DI_TEXT, {5, 2, 0, 0}, 0, ScriptedTexts::message_text(6)},
        {far3::DI_EDIT, {5, 3, 38, 0}, far3::DIF_FOCUS, nullptr},
        {far3::DI_TEXT, {4, 4, 0, 0}, far3::DIF_SEPARATOR, nullptr},
        {far3::DI_CHECKBOX, {5, 5, 0, 0}, 0, ScriptedTexts::message_text(7)},
        {far3::DI_CHECKBOX, {5, 6, 0, 0}, 0, ScriptedTexts::message_text(8)},
        {far3::DI_TEXT, {4, 7, 0, 0}, far3::DIF_SEPARATOR, nullptr},
        {far3::DI_BUTTON,
         {0, 8, 0, 0},
         kCentered | far3::DIF_DEFAULTBUTTON,
         ScriptedTexts::message_text(1)},
        {far3::DI_BUTTON, {0, 8, 0, 0}, kCentered, ScriptedTexts::message_text(2)},
    };
    host.dialog.closed_by = 8;
    EXPECT_EQ(configure(), far3::kFalse);

    EXPECT_EQ(host.dialog_init_args, (std::vector<std::int64_t>{-1, -1, 44, 11, 9, 0, 0}));
    EXPECT_FALSE(host.dialog_init_had_extras);
    EXPECT_EQ(host.dialog_guid, far3::kDialogGuid);
    // F1 shows the topic that Shift+F1 in the host's configuration menu shows.
    EXPECT_EQ(host.dialog_help_topic, u"Config");
    ASSERT_EQ(host.dialog_items.size(), 9u);
    for (std::size_t i = 0; i < 9; ++i) {
        const far3::FarDialogItem& item = host.dialog_items[i];
        const Expected& want = expected[i];
        EXPECT_EQ(item.Type, want.type) << i;
        EXPECT_EQ((std::vector{item.X1, item.Y1, item.X2, item.Y2}), want.box) << i;
        EXPECT_EQ(item.Flags, want.flags) << i;
        EXPECT_EQ(item.History, nullptr) << i;
        EXPECT_EQ(item.Mask, nullptr) << i;
        if (i == kSeparatorsEdit) {
            EXPECT_NE(item.Data, nullptr);
            EXPECT_EQ(item.MaxLength, 255u);  // the host's limit leaves out the terminator
        } else {
            EXPECT_EQ(item.Data, want.text) << i;
            EXPECT_EQ(item.MaxLength, 0u) << i;
        }
    }
    // The defaults with nothing stored: empty, off, on.
    EXPECT_EQ(host.edit_text_at_init, u"");
    EXPECT_EQ(host.dialog_items[kCaseSensitiveBox].Selected, 0);
    EXPECT_EQ(host.dialog_items[kTrimSpacesBox].Selected, 1);
}

TEST_F(Far3Dialog, ShowsStoredValuesAsRead) {
    struct Case {
        const char* what;
        Settings stored;
        far3::IntPtr case_box, trim_box;
        std::u16string separators;
    };
    const std::u16string longest(255, u';');
    const std::u16string too_long(256, u';');
    const Case cases[] = {
        // The host takes a check box's state, whose 2 is the third: any number but 0 is on.
        {"numbers as the command reads them",
         {{kCaseSensitive, qword_setting(2)}, {kTrimSpaces, qword_setting(0)}},
         1,
         0,
         u""},
        {"a number above 32 bits is on",
         {{kCaseSensitive, qword_setting(std::uint64_t{1} << 40)}},
         1,
         1,
         u""},
        {"separators", {{kAddSeparators, string_setting(u";,")}}, 0, 1, u";,"},
        {"the longest separators the field takes",
         {{kAddSeparators, string_setting(longest)}},
         0,
         1,
         longest},
        {"separators too long for the field: empty",
         {{kAddSeparators, string_setting(too_long)}},
         0,
         1,
         u""},
    };
    for (const Case& c : cases) {
        host.settings = c.stored;
        host.dialog.closed_by = -1;  // Esc
        EXPECT_EQ(configure(), far3::kFalse) << c.what;
        EXPECT_EQ(host.dialog_items[kCaseSensitiveBox].Selected, c.case_box) << c.what;
        EXPECT_EQ(host.dialog_items[kTrimSpacesBox].Selected, c.trim_box) << c.what;
        EXPECT_EQ(host.edit_text_at_init, c.separators) << c.what;
        EXPECT_EQ(host.settings, c.stored) << c.what;
    }
}

TEST_F(Far3Dialog, OkReadsTheAnswersBeforeTheDialogGoesAndStoresThem) {
    struct Case {
        const char* what;
        std::optional<int> case_answer, trim_answer;
        std::optional<std::u16string> text_answer;
        Settings stored;
    };
    const Case cases[] = {
        {"unchanged: the defaults",
         std::nullopt,
         std::nullopt,
         std::nullopt,
         {{kCaseSensitive, qword_setting(0)},
          {kTrimSpaces, qword_setting(1)},
          {kAddSeparators, string_setting(u"")}}},
        {"any checked state is 1",
         2,
         0,
         u"; ",
         {{kCaseSensitive, qword_setting(1)},
          {kTrimSpaces, qword_setting(0)},
          {kAddSeparators, string_setting(u"; ")}}},
    };
    for (const Case& c : cases) {
        host.settings.clear();
        host.dialog.checks[kCaseSensitiveBox] = c.case_answer;
        host.dialog.checks[kTrimSpacesBox] = c.trim_answer;
        host.dialog.edit_text = c.text_answer;
        EXPECT_EQ(configure(), far3::kTrue) << c.what;
        EXPECT_EQ(host.settings, c.stored) << c.what;
    }

    std::vector<Far3Call> after_run;
    bool ran = false;
    for (const Far3Call& call : host.calls) {
        ran = ran || call.service == Far3Service::DialogRun;
        if (ran && call.service != Far3Service::DialogRun) {
            after_run.push_back(call);
        }
    }
    const auto asked = [](far3::IntPtr message, far3::IntPtr item) {
        return Far3Call{Far3Service::SendDlgMessage, message, item, 0, u""};
    };
    EXPECT_EQ(after_run, (std::vector<Far3Call>{
                             settings_call(far3::SCTL_CREATE),
                             asked(far3::DM_GETCHECK, kCaseSensitiveBox),
                             settings_call(far3::SCTL_SET, kCaseSensitive, far3::FST_QWORD),
                             asked(far3::DM_GETCHECK, kTrimSpacesBox),
                             settings_call(far3::SCTL_SET, kTrimSpaces, far3::FST_QWORD),
                             asked(far3::DM_GETCONSTTEXTPTR, kSeparatorsEdit),
                             settings_call(far3::SCTL_SET, kAddSeparators, far3::FST_STRING),
                             settings_call(far3::SCTL_FREE),
                             {Far3Service::DialogFree, 0, 0, 1, u""},
                         }));
}

TEST_F(Far3Dialog, AnythingButOkWritesNothing) {
    host.settings = {{kCaseSensitive, qword_setting(2)}};
    host.dialog.checks[kCaseSensitiveBox] = 0;
    for (const int closed_by : {8, -1, 2, 0}) {
        host.dialog.closed_by = closed_by;
        EXPECT_EQ(configure(), far3::kFalse) << closed_by;
    }
    host.dialog.create_fails = true;
    host.dialog.closed_by = kOkButton;
    EXPECT_EQ(configure(), far3::kFalse);
    EXPECT_EQ(host.calls.back().service, Far3Service::DialogInit);  // never run, never freed
    EXPECT_EQ(host.settings, (Settings{{kCaseSensitive, qword_setting(2)}}));
}

TEST_F(Far3Dialog, TheNextCommandUsesTheStoredSettings) {
    host.dialog.checks[kCaseSensitiveBox] = 1;
    host.dialog.edit_text.emplace(1, u';');
    EXPECT_EQ(configure(), far3::kTrue);

    host.items = {{u"a.txt", {}, {}, false}, {u"B.txt", {}, {}, false}};
    EXPECT_EQ(select_with_text(u"a.txt;b.txt"), std::vector{0});
}

}  // namespace
}  // namespace pickwell::testing
