#include "config/config_dialog.h"

#include <gtest/gtest.h>

#include <cstring>

#include "config/dialog_layout.h"
#include "fixture.h"

namespace pickwell::testing {
namespace {

class ConfigDialog : public PluginTest {
  protected:
    ConfigDialog() { start(); }

    int configure(int item_number = 0) {
        const int result = plugin.configure(item_number);
        EXPECT_EQ(registry.open_keys(), 0);
        EXPECT_EQ(host.open_dialogs, 0);
        return result;
    }
    std::optional<std::uint32_t> stored_dword(const char16_t* name) const {
        const auto value = registry.value(kSettingsPath, name);
        if (!value || value->type != 4 || value->data.size() != 4) {
            return std::nullopt;
        }
        std::uint32_t number;
        std::memcpy(&number, value->data.data(), 4);
        return number;
    }
    std::optional<std::u16string> stored_string(const char16_t* name) const {
        const auto value = registry.value(kSettingsPath, name);
        if (!value || value->type != 1) {
            return std::nullopt;
        }
        return std::u16string(reinterpret_cast<const char16_t*>(value->data.data()),
                              value->data.size() / 2);
    }
};

TEST_F(ConfigDialog, ExpandsTheItemTableForTheHost) {
    struct Expected {
        int type, x1, y1, x2, y2, focus;
        far2::Dword flags;
        int default_button;
        const char16_t* text;  // null: no text
    };
    const Expected expected[9] = {
        {far2::DI_DOUBLEBOX, 3, 1, 40, 9, 0, 0, 0, FakeHost::message_text(5)},
        {far2::DI_TEXT, 5, 2, 0, 0, 0, 0, 0, FakeHost::message_text(6)},
        {far2::DI_EDIT, 5, 3, 38, 0, 1, 0, 0, nullptr},
        {far2::DI_TEXT, 4, 4, 0, 0, 0, far2::DIF_SEPARATOR, 0, nullptr},
        {far2::DI_CHECKBOX, 5, 5, 0, 0, 0, 0, 0, FakeHost::message_text(7)},
        {far2::DI_CHECKBOX, 5, 6, 0, 0, 0, 0, 0, FakeHost::message_text(8)},
        {far2::DI_TEXT, 4, 7, 0, 0, 0, far2::DIF_SEPARATOR, 0, nullptr},
        {far2::DI_BUTTON, 0, 8, 0, 0, 0, far2::DIF_CENTERGROUP, 1, FakeHost::message_text(1)},
        {far2::DI_BUTTON, 0, 8, 0, 0, 0, far2::DIF_CENTERGROUP, 0, FakeHost::message_text(2)},
    };
    host.dialog.closed_by = 8;
    EXPECT_EQ(configure(), far2::kFalse);

    EXPECT_EQ(host.dialog_init_args, (std::vector{-1, -1, 44, 11, 9, 0, 0}));
    EXPECT_FALSE(host.dialog_init_had_extras);
    ASSERT_EQ(host.dialog_items.size(), 9u);
    for (int i = 0; i < 9; ++i) {
        const far2::FarDialogItem& item = host.dialog_items[static_cast<std::size_t>(i)];
        const Expected& want = expected[i];
        EXPECT_EQ(item.Type, want.type) << i;
        EXPECT_EQ((std::vector{item.X1, item.Y1, item.X2, item.Y2, item.Focus}),
                  (std::vector{want.x1, want.y1, want.x2, want.y2, want.focus}))
            << i;
        EXPECT_EQ(item.Flags, want.flags) << i;
        EXPECT_EQ(item.DefaultButton, want.default_button) << i;
        if (i == kSeparatorsEdit) {
            EXPECT_NE(item.PtrData, nullptr);
            EXPECT_EQ(item.MaxLen, 256u);
        } else {
            EXPECT_EQ(item.PtrData, want.text) << i;
            EXPECT_EQ(item.MaxLen, 0u) << i;
        }
    }
    // The defaults with no settings key: empty, off, on.
    EXPECT_EQ(host.edit_text_at_init, u"");
    EXPECT_EQ(host.dialog_items[kCaseSensitiveBox].Selected, 0);
    EXPECT_EQ(host.dialog_items[kTrimSpacesBox].Selected, 1);
}

TEST_F(ConfigDialog, ShowsStoredValuesAsRead) {
    registry.store_dword(kSettingsPath, kCaseSensitive, 2);
    registry.store_dword(kSettingsPath, kTrimSpaces, 0);
    registry.store_string(kSettingsPath, kAddSeparators, u";,");
    host.dialog.closed_by = -1;  // Esc
    EXPECT_EQ(configure(), far2::kFalse);
    EXPECT_EQ(host.dialog_items[kCaseSensitiveBox].Selected, 2);
    EXPECT_EQ(host.dialog_items[kTrimSpacesBox].Selected, 0);
    EXPECT_EQ(host.edit_text_at_init, u";,");
}

TEST_F(ConfigDialog, OkWithNoKeyCreatesItWithTheDefaults) {
    EXPECT_EQ(configure(), far2::kTrue);
    EXPECT_EQ(stored_dword(kCaseSensitive), 0u);
    EXPECT_EQ(stored_dword(kTrimSpaces), 1u);
    EXPECT_EQ(stored_string(kAddSeparators), std::u16string(u"\0", 1));
    // Written in order: case, trim, separators, each asked of the dialog.
    std::vector<HostCall> asked;
    for (const HostCall& call : host.calls) {
        if (call.command == kSendDlgMessageCall) {
            asked.push_back(call);
        }
    }
    EXPECT_EQ(asked, (std::vector<HostCall>{{kSendDlgMessageCall, far2::DM_GETCHECK, 4},
                                            {kSendDlgMessageCall, far2::DM_GETCHECK, 5},
                                            {kSendDlgMessageCall, far2::DM_GETCONSTTEXTPTR, 2}}));
}

TEST_F(ConfigDialog, OkStoresWhatTheUserChose) {
    host.dialog.checks[kCaseSensitiveBox] = 2;  // any non-zero state is on
    host.dialog.checks[kTrimSpacesBox] = 0;
    host.dialog.edit_text = u"; ";
    EXPECT_EQ(configure(), far2::kTrue);
    EXPECT_EQ(stored_dword(kCaseSensitive), 1u);
    EXPECT_EQ(stored_dword(kTrimSpaces), 0u);
    EXPECT_EQ(stored_string(kAddSeparators), std::u16string(u"; \0", 3));
}

TEST_F(ConfigDialog, CancelOtherItemsAndFailuresWriteNothing) {
    host.dialog.closed_by = 8;
    host.dialog.checks[kCaseSensitiveBox] = 1;
    EXPECT_EQ(configure(), far2::kFalse);
    EXPECT_FALSE(registry.has_key(kSettingsPath));

    host.calls.clear();
    EXPECT_EQ(configure(1), far2::kFalse);
    EXPECT_TRUE(host.calls.empty());

    host.dialog.create_fails = true;
    host.dialog.closed_by = 7;
    EXPECT_EQ(configure(), far2::kFalse);
    EXPECT_FALSE(registry.has_key(kSettingsPath));
    EXPECT_EQ(host.calls.back().command, kDialogInitCall);  // never run, never freed
}

TEST_F(ConfigDialog, OkStillSucceedsWhenTheKeyCannotBeCreated) {
    registry.refuse_writes(true);
    EXPECT_EQ(configure(), far2::kTrue);
    EXPECT_FALSE(registry.has_key(kSettingsPath));
}

TEST_F(ConfigDialog, AnOverlongStoredSeparatorListOpensEmptyAndAFullOneStaysInside) {
    registry.store_string(kSettingsPath, kAddSeparators, std::u16string(300, u';'));
    host.dialog.closed_by = 8;
    configure();
    EXPECT_EQ(host.edit_text_at_init, u"");

    registry.store(kSettingsPath, kAddSeparators, 1, bytes_of(std::u16string(256, u';')));
    configure();
    EXPECT_EQ(host.edit_text_at_init, std::u16string(255, u';'));
}

TEST_F(ConfigDialog, TheNextCommandUsesTheStoredSettings) {
    host.dialog.checks[kCaseSensitiveBox] = 1;
    host.dialog.edit_text = u";";
    EXPECT_EQ(configure(), far2::kTrue);

    host.items = {{u"a.txt", {}, {}, false}, {u"B.txt", {}, {}, false}};
    clipboard.put_text(u"a.txt;b.txt");
    run_command();
    EXPECT_EQ(host.selected_indices(), std::vector{0});
}

}  // namespace
}  // namespace pickwell::testing
