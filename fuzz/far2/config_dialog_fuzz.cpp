// The configuration dialog, through the plug-in's entry point, against any stored settings and
// any answers from the host's dialog. Every run must leave no settings key and no dialog open,
// show the stored values as the reading rules give them, inside the buffers it hands over, and
// store exactly what the dialog answered when, and only when, it was closed with OK.
#include <climits>
#include <cstdint>
#include <cstring>

#include "config/dialog_layout.h"
#include "host/far2/plugin.h"
#include "platform/memory/clipboard.h"
#include "platform/memory/collation.h"
#include "require.h"
#include "stored_settings.h"
#include "support/far2/fake_host.h"

namespace {

using namespace pickwell;
using namespace pickwell::fuzzing;
using testing::HostCall;

struct Answers {
    int item_number = 0;
    bool refuse_writes = false;
    testing::ScriptedDialog dialog;
};

Answers fuzzed_answers(FuzzedDataProvider& in) {
    Answers answers;
    if (in.ConsumeIntegralInRange(0, 15) == 0) {
        answers.item_number = in.ConsumeIntegral<int>();
    }
    answers.refuse_writes = in.ConsumeIntegralInRange(0, 7) == 0;
    answers.dialog.create_fails = in.ConsumeIntegralInRange(0, 7) == 0;
    switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0:
            answers.dialog.closed_by = in.ConsumeIntegral<int>();
            break;
        case 1:
            answers.dialog.closed_by = in.ConsumeIntegralInRange(-1, 8);
            break;
        default:
            answers.dialog.closed_by = kOkButton;
    }
    for (const int box : {kCaseSensitiveBox, kTrimSpacesBox}) {
        if (in.ConsumeBool()) {
            answers.dialog.checks[box] =
                in.ConsumeBool() ? in.ConsumeIntegralInRange(0, 2) : in.ConsumeIntegral<int>();
        }
    }
    if (in.ConsumeBool()) {
        std::u16string text(in.ConsumeIntegralInRange<std::size_t>(0, 300), u'\0');
        for (char16_t& c : text) {
            c = in.ConsumeBool() ? u';' : in.ConsumeIntegral<char16_t>();
        }
        answers.dialog.edit_text = text;
    }
    return answers;
}

std::optional<StoredValue> value_of(const MemoryRegistry& registry, const char16_t* name) {
    return registry.value(kSettingsPath, name);
}

StoredValue dword_value(bool on) {
    return {4,
            {std::byte{on ? std::uint8_t{1} : std::uint8_t{0}}, std::byte{0}, std::byte{0},
             std::byte{0}}};
}

StoredValue string_value(std::u16string text) {
    text = text.substr(0, text.find(u'\0'));
    StoredValue value{1, std::vector<std::byte>((text.size() + 1) * sizeof(char16_t))};
    std::memcpy(value.data.data(), text.c_str(), value.data.size());
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const StoredSettings stored = StoredSettings::fuzzed(in);
    const Answers answers = fuzzed_answers(in);

    testing::FakeHost host;
    host.dialog = answers.dialog;
    MemoryClipboard clipboard;
    MemoryRegistry registry;
    stored.store_in(registry);
    registry.refuse_writes(answers.refuse_writes);
    const MemoryCollation collation;
    Platform platform{clipboard, registry, collation};
    far2::Plugin plugin(platform);
    const far2::PluginStartupInfo info = host.startup_info(kRootKey);
    plugin.set_startup_info(&info);

    const int result = plugin.configure(answers.item_number);

    require(registry.open_keys() == 0, "every settings key is released");
    require(host.open_dialogs == 0, "the dialog is freed");
    require(host.violations.empty(), "the host is only called as its interface allows");
    require(clipboard.times_opened() == 0, "the dialog leaves the clipboard alone");

    const bool shown = answers.item_number == 0;
    const bool created = shown && !answers.dialog.create_fails;
    const bool confirmed = created && answers.dialog.closed_by == kOkButton;
    require(result == (confirmed ? far2::kTrue : far2::kFalse), "TRUE exactly for OK");

    std::vector<HostCall> dialog_calls;
    for (const HostCall& call : host.calls) {
        if (call.command != testing::kGetMsgCall) {
            dialog_calls.push_back(call);
        }
    }
    std::vector<HostCall> expected;
    if (shown) {
        expected.push_back({testing::kDialogInitCall, 9, info.ModuleNumber});
    }
    if (created) {
        expected.push_back({testing::kDialogRunCall, 0, 1});
    }
    if (confirmed) {
        expected.push_back({testing::kSendDlgMessageCall, far2::DM_GETCHECK, kCaseSensitiveBox});
        expected.push_back({testing::kSendDlgMessageCall, far2::DM_GETCHECK, kTrimSpacesBox});
        expected.push_back(
            {testing::kSendDlgMessageCall, far2::DM_GETCONSTTEXTPTR, kSeparatorsEdit});
    }
    if (created) {
        expected.push_back({testing::kDialogFreeCall, 0, 1});
    }
    require(dialog_calls == expected, "the dialog calls come in their order");
    if (!shown) {
        return 0;
    }

    // The settings as shown: the edit field's text ends inside its buffer (the fake host read it
    // at DialogInit), the check boxes hold the numbers as read.
    const auto& items = host.dialog_items;
    require(items[kSeparatorsEdit].MaxLen == 256, "the edit field offers its buffer's size");
    require(host.edit_text_at_init == dialog_separators_as_read(stored.separators),
            "the separators are shown as read");
    const auto shown_case = static_cast<std::int32_t>(items[kCaseSensitiveBox].Selected);
    const auto shown_trim = static_cast<std::int32_t>(items[kTrimSpacesBox].Selected);
    require(shown_case == flag_as_read(stored.case_sensitive, kCaseSensitiveDefault) &&
                shown_trim == flag_as_read(stored.trim_spaces, kTrimSpacesDefault),
            "the flags are shown as read");

    if (confirmed && !answers.refuse_writes) {
        const auto& checks = answers.dialog.checks;
        const bool case_on = checks[kCaseSensitiveBox].value_or(shown_case) != 0;
        const bool trim_on = checks[kTrimSpacesBox].value_or(shown_trim) != 0;
        const std::u16string text = answers.dialog.edit_text.value_or(host.edit_text_at_init);
        require(same_value(value_of(registry, kCaseSensitive), dword_value(case_on)) &&
                    same_value(value_of(registry, kTrimSpaces), dword_value(trim_on)) &&
                    same_value(value_of(registry, kAddSeparators), string_value(text)),
                "OK stores what the dialog answered");
    } else {
        require(registry.has_key(kSettingsPath) == stored.key_exists &&
                    same_value(value_of(registry, kCaseSensitive), stored.case_sensitive) &&
                    same_value(value_of(registry, kTrimSpaces), stored.trim_spaces) &&
                    same_value(value_of(registry, kAddSeparators), stored.separators),
                "nothing is stored without OK or without a key");
    }
    return 0;
}
