// The configuration dialog as data: its controls, in the order the host numbers them.
#pragma once

#include <array>
#include <cstddef>

#include "core/dialog_runner.h"

namespace pickwell {

// Control indices the dialog's code refers to.
inline constexpr int kSeparatorsEdit = 2;
inline constexpr int kCaseSensitiveBox = 4;
inline constexpr int kTrimSpacesBox = 5;
inline constexpr int kOkButton = 7;

inline constexpr int kDialogWidth = 44;
inline constexpr int kDialogHeight = 11;
// The separators field: 255 characters and the terminator.
inline constexpr std::size_t kSeparatorsCapacity = 256;

// clang-format off
inline constexpr std::array<DialogControl, 9> kConfigDialog = {{
    // kind                   x1 y1 x2  y2 focus  default center message
    {ControlKind::DoubleBox,  3, 1, 40, 9, false, false, false, Message::ConfigTitle},
    {ControlKind::Text,       5, 2,  0, 0, false, false, false, Message::SeparatorsLabel},
    {ControlKind::Edit,       5, 3, 38, 0, true,  false, false, Message::None},
    {ControlKind::Separator,  4, 4,  0, 0, false, false, false, Message::None},
    {ControlKind::CheckBox,   5, 5,  0, 0, false, false, false, Message::CaseSensitive},
    {ControlKind::CheckBox,   5, 6,  0, 0, false, false, false, Message::TrimSpaces},
    {ControlKind::Separator,  4, 7,  0, 0, false, false, false, Message::None},
    {ControlKind::Button,     0, 8,  0, 0, false, true,  true,  Message::Ok},
    {ControlKind::Button,     0, 8,  0, 0, false, false, true,  Message::Cancel},
}};
// clang-format on

}  // namespace pickwell
