// The fields of a host's dialog item that come from the dialog's layout alone. Both hosts'
// interfaces number item types and flags alike, and name the fields alike; each adapter checks
// its own constants against these.
#pragma once

#include <cstdint>

#include "core/dialog_runner.h"

namespace pickwell {

inline constexpr int kItemText = 0;                        // DI_TEXT
inline constexpr int kItemDoubleBox = 3;                   // DI_DOUBLEBOX
inline constexpr int kItemEdit = 4;                        // DI_EDIT
inline constexpr int kItemButton = 7;                      // DI_BUTTON
inline constexpr int kItemCheckBox = 8;                    // DI_CHECKBOX
inline constexpr std::uint32_t kItemCenterGroup = 0x4000;  // DIF_CENTERGROUP
inline constexpr std::uint32_t kItemSeparator = 0x10000;   // DIF_SEPARATOR
inline constexpr int kCheckBoxUnchecked = 0;               // BSTATE_UNCHECKED
inline constexpr int kCheckBoxChecked = 1;                 // BSTATE_CHECKED

// What a check box is handed as its state, from the number the store holds.
enum class CheckBoxStart {
    // The number's low 32 bits as they are: Far 2's module.
    LowBitsAsStored,
    // Checked for any number but 0, as the command reads it: what the box shows is what runs.
    CheckedUnlessZero,
};

constexpr std::int32_t check_box_state(std::int64_t stored, CheckBoxStart start) {
    if (start == CheckBoxStart::LowBitsAsStored) {
        return static_cast<std::int32_t>(stored);
    }
    return stored != 0 ? kCheckBoxChecked : kCheckBoxUnchecked;
}

constexpr int item_type(ControlKind kind) {
    switch (kind) {
        case ControlKind::DoubleBox:
            return kItemDoubleBox;
        case ControlKind::Edit:
            return kItemEdit;
        case ControlKind::CheckBox:
            return kItemCheckBox;
        case ControlKind::Button:
            return kItemButton;
        case ControlKind::Text:
        case ControlKind::Separator:
            break;
    }
    return kItemText;
}

// Type, position, focus, flags, default button and a check box's state; the texts are the
// host's own business.
template <typename Item>
void fill_layout_fields(Item& item, const DialogControl& control, const ControlState& state,
                        CheckBoxStart start) {
    item.Type = item_type(control.kind);
    item.X1 = control.x1;
    item.Y1 = control.y1;
    item.X2 = control.x2;
    item.Y2 = control.y2;
    item.Focus = control.focus ? 1 : 0;
    item.Flags = (control.kind == ControlKind::Separator ? kItemSeparator : 0) |
                 (control.center_group ? kItemCenterGroup : 0);
    item.DefaultButton = control.default_button ? 1 : 0;
    if (control.kind == ControlKind::CheckBox) {
        // The host's field holds 32 bits.
        item.Selected = check_box_state(state.checked, start);
    }
}

}  // namespace pickwell
