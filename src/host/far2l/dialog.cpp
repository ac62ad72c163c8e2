#include "host/far2l/dialog.h"

#include <algorithm>

#include "host/dialog_item_fields.h"
#include "host/host_dialog.h"
#include "platform/far2l/utf32_text.h"

namespace pickwell::far2l {
namespace {

static_assert(DI_TEXT == kItemText && DI_DOUBLEBOX == kItemDoubleBox && DI_EDIT == kItemEdit &&
              DI_BUTTON == kItemButton && DI_CHECKBOX == kItemCheckBox &&
              DIF_CENTERGROUP == kItemCenterGroup && DIF_SEPARATOR == kItemSeparator);

using DialogHandle = HostDialog<HostContext, WChar, DM_GETCHECK, DM_GETCONSTTEXTPTR>;

// The module's one dialog is its settings dialog: F1 there opens their topic of its help.
constexpr const WChar* kHelpTopic = U"Config";

}  // namespace

HostDialogItems dialog_items(const DialogRequest& request) {
    HostDialogItems dialog;
    dialog.texts.resize(request.controls.size());
    dialog.items.resize(request.controls.size());
    const std::size_t edit_length = std::max<std::size_t>(request.edit_capacity, 1) - 1;
    for (std::size_t i = 0; i < request.controls.size(); ++i) {
        const DialogControl& control = request.controls[i];
        const ControlState& state = request.states[i];
        FarDialogItem& item = dialog.items[i];
        // The host's field would drop all but the low 32 bits of a number the command reads as
        // on (4294967296 would show as off).
        fill_layout_fields(item, control, state, CheckBoxStart::CheckedUnlessZero);
        std::u32string& text = dialog.texts[i];
        if (state.text != nullptr) {
            text = utf32_from_utf16(state.text);
        }
        if (control.kind == ControlKind::Edit) {
            text.resize(std::min(text.size(), edit_length));
            item.PtrData = text.c_str();
            item.MaxLen = edit_length;
        } else if (control.message != Message::None) {
            item.PtrData = text.c_str();
        }
    }
    return dialog;
}

bool HostDialogRunner::run(const DialogRequest& request,
                           const std::function<void(const DialogAnswers&)>& confirmed) {
    HostDialogItems dialog = dialog_items(request);
    const DialogHandle handle(
        host_, host_.dialog_init(-1, -1, request.width, request.height, kHelpTopic,
                                 dialog.items.data(), static_cast<unsigned>(dialog.items.size())));
    return handle.run(request.confirm, confirmed);
}

}  // namespace pickwell::far2l
