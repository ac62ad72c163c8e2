#include "host/far2/dialog.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "host/host_dialog.h"

namespace pickwell::far2 {
namespace {

int item_type(ControlKind kind) {
    switch (kind) {
        case ControlKind::DoubleBox:
            return DI_DOUBLEBOX;
        case ControlKind::Edit:
            return DI_EDIT;
        case ControlKind::CheckBox:
            return DI_CHECKBOX;
        case ControlKind::Button:
            return DI_BUTTON;
        case ControlKind::Text:
        case ControlKind::Separator:
            break;
    }
    return DI_TEXT;
}

using DialogHandle = HostDialog<HostContext, DM_GETCHECK, DM_GETCONSTTEXTPTR>;

}  // namespace

std::vector<FarDialogItem> dialog_items(const DialogRequest& request,
                                        std::span<char16_t> edit_buffer) {
    std::vector<FarDialogItem> items(request.controls.size());
    for (std::size_t i = 0; i < request.controls.size(); ++i) {
        const DialogControl& control = request.controls[i];
        const ControlState& state = request.states[i];
        FarDialogItem& item = items[i];
        item.Type = item_type(control.kind);
        item.X1 = control.x1;
        item.Y1 = control.y1;
        item.X2 = control.x2;
        item.Y2 = control.y2;
        item.Focus = control.focus ? 1 : 0;
        item.Flags = (control.kind == ControlKind::Separator ? DIF_SEPARATOR : 0) |
                     (control.center_group ? DIF_CENTERGROUP : 0);
        item.DefaultButton = control.default_button ? 1 : 0;
        if (control.kind == ControlKind::CheckBox) {
            // The low 32 bits, as the host reads a check box's state.
            item.Selected = static_cast<std::int32_t>(state.checked);
        }
        if (control.kind == ControlKind::Edit) {
            std::fill(edit_buffer.begin(), edit_buffer.end(), u'\0');
            const std::u16string_view text = state.text != nullptr ? state.text : u"";
            const std::size_t length = std::min(text.size(), edit_buffer.size() - 1);
            std::copy_n(text.begin(), length, edit_buffer.begin());
            item.PtrData = edit_buffer.data();
            item.MaxLen = edit_buffer.size();
        } else if (control.message != Message::None) {
            item.PtrData = state.text;
            item.MaxLen = 0;
        }
    }
    return items;
}

bool HostDialogRunner::run(const DialogRequest& request,
                           const std::function<void(const DialogAnswers&)>& confirmed) {
    std::vector<char16_t> edit_buffer(std::max<std::size_t>(request.edit_capacity, 1));
    std::vector<FarDialogItem> items = dialog_items(request, edit_buffer);
    const DialogHandle dialog(host_,
                              host_.dialog_init(-1, -1, request.width, request.height, items.data(),
                                                static_cast<unsigned>(items.size())));
    return dialog.run(request.confirm, confirmed);
}

}  // namespace pickwell::far2
