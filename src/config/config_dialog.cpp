#include "config/config_dialog.h"

#include <array>

#include "config/dialog_layout.h"
#include "core/settings.h"

namespace pickwell {
namespace {

void store_answers(const DialogAnswers& answers, SettingsStore& settings) {
    // Each value is asked of the dialog as it is written; a store that cannot be opened loses
    // the writes, and the dialog still counts as confirmed.
    const auto writing = settings.open_for_writing();
    writing->number(kCaseSensitive, answers.is_checked(kCaseSensitiveBox) ? 1 : 0);
    writing->number(kTrimSpaces, answers.is_checked(kTrimSpacesBox) ? 1 : 0);
    writing->text(kAddSeparators, answers.text_of(kSeparatorsEdit));
}

}  // namespace

bool run_config_dialog(MessageTexts& texts, SettingsStore& settings, DialogRunner& dialog) {
    std::array<ControlState, kConfigDialog.size()> states{};
    for (std::size_t i = 0; i < kConfigDialog.size(); ++i) {
        if (kConfigDialog[i].message != Message::None) {
            states[i].text = texts.text(kConfigDialog[i].message);
        }
    }
    std::u16string separators;
    {
        const auto reading = settings.open_for_reading();
        separators = reading->text_for_field(kAddSeparators, kSeparatorsCapacity).value_or(u"");
        states[kCaseSensitiveBox].checked =
            reading->number(kCaseSensitive).value_or(kCaseSensitiveDefault);
        states[kTrimSpacesBox].checked = reading->number(kTrimSpaces).value_or(kTrimSpacesDefault);
    }
    states[kSeparatorsEdit].text = separators.c_str();

    const DialogRequest request{.controls = kConfigDialog,
                                .states = states,
                                .width = kDialogWidth,
                                .height = kDialogHeight,
                                .edit_capacity = kSeparatorsCapacity,
                                .confirm = kOkButton};
    return dialog.run(request,
                      [&](const DialogAnswers& answers) { store_answers(answers, settings); });
}

}  // namespace pickwell
