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
void fill_layout_fields(Item& item, const DialogControl& control, const ControlState& state) {
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
        // The low 32 bits, as the host reads a check box's state.
        item.Selected = static_cast<std::int32_t>(state.checked);
    }
}

}  // namespace pickwell
