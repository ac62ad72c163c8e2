#include "host/far2/dialog.h"

#include <algorithm>
#include <vector>

#include "host/dialog_item_fields.h"
#include "host/host_dialog.h"

namespace pickwell::far2 {
namespace {

static_assert(DI_TEXT == kItemText && DI_DOUBLEBOX == kItemDoubleBox && DI_EDIT == kItemEdit &&
              DI_BUTTON == kItemButton && DI_CHECKBOX == kItemCheckBox &&
              DIF_CENTERGROUP == kItemCenterGroup && DIF_SEPARATOR == kItemSeparator);

using DialogHandle = HostDialog<HostContext, WChar, DM_GETCHECK, DM_GETCONSTTEXTPTR>;

}  // namespace

std::vector<FarDialogItem> dialog_items(const DialogRequest& request,
                                        std::span<char16_t> edit_buffer) {
    std::vector<FarDialogItem> items(request.controls.size());
    for (std::size_t i = 0; i < request.controls.size(); ++i) {
        const DialogControl& control = request.controls[i];
        const ControlState& state = request.states[i];
        FarDialogItem& item = items[i];
        fill_layout_fields(item, control, state, CheckBoxStart::LowBitsAsStored);
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
