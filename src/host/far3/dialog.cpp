#include "host/far3/dialog.h"

#include <algorithm>
#include <string>

#include "host/dialog_item_fields.h"
#include "host/host_dialog.h"

namespace pickwell::far3 {
namespace {

static_assert(DI_TEXT == kItemText && DI_DOUBLEBOX == kItemDoubleBox && DI_EDIT == kItemEdit &&
              DI_BUTTON == kItemButton && DI_CHECKBOX == kItemCheckBox &&
              DIF_CENTERGROUP == kItemCenterGroup && DIF_SEPARATOR == kItemSeparator);

Flags64 item_flags(const DialogControl& control) {
    return (control.kind == ControlKind::Separator ? DIF_SEPARATOR : 0) |
           (control.center_group ? DIF_CENTERGROUP : 0) | (control.focus ? DIF_FOCUS : 0) |
           (control.default_button ? DIF_DEFAULTBUTTON : 0);
}

// The most units the edit field takes: the host counts them without the terminator.
std::size_t field_length(const DialogRequest& request) {
    return std::max<std::size_t>(request.edit_capacity, 1) - 1;
}

// The edit field's text, cut to what the field takes.
std::u16string edit_text_of(const DialogRequest& request) {
    for (std::size_t i = 0; i < request.controls.size(); ++i) {
        if (request.controls[i].kind == ControlKind::Edit && request.states[i].text != nullptr) {
            const std::u16string_view text = request.states[i].text;
            return std::u16string(text.substr(0, field_length(request)));
        }
    }
    return {};
}

using DialogHandle = HostDialog<HostContext, WChar, DM_GETCHECK, DM_GETCONSTTEXTPTR>;

}  // namespace

std::vector<FarDialogItem> dialog_items(const DialogRequest& request, const char16_t* edit_text) {
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
        item.Flags = item_flags(control);
        if (control.kind == ControlKind::CheckBox) {
            // The host takes a check box's state, not a number: 2 would be its third state.
            item.Selected = check_box_state(state.checked, CheckBoxStart::CheckedUnlessZero);
        }
        if (control.kind == ControlKind::Edit) {
            item.Data = edit_text;
            item.MaxLength = field_length(request);
        } else if (control.message != Message::None) {
            item.Data = state.text;
        }
    }
    return items;
}

bool HostDialogRunner::run(const DialogRequest& request,
                           const std::function<void(const DialogAnswers&)>& confirmed) {
    const std::u16string edit_text = edit_text_of(request);
    const std::vector<FarDialogItem> items = dialog_items(request, edit_text.c_str());
    const DialogHandle dialog(
        host_, host_.dialog_init(request.width, request.height, items.data(), items.size()));
    return dialog.run(request.confirm, confirmed);
}

}  // namespace pickwell::far3
