// The configuration dialog as data: one compact record per host dialog item.
#pragma once

#include <array>
#include <span>
#include <vector>

#include "host/host_context.h"
#include "host/plugin_api.h"

namespace pickwell {

struct DialogItemTemplate {
    int Type;
    int X1, Y1, X2, Y2;
    int Focus;
    host::IntPtr Selected;
    host::Dword Flags;
    int DefaultButton;
    int Message;  // 0: the item has no text
};

// Item indices the dialog's code refers to.
inline constexpr int kSeparatorsEdit = 2;
inline constexpr int kCaseSensitiveBox = 4;
inline constexpr int kTrimSpacesBox = 5;
inline constexpr int kOkButton = 7;

// clang-format off
inline constexpr std::array<DialogItemTemplate, 9> kConfigDialog = {{
    {host::DI_DOUBLEBOX, 3, 1, 40, 9, 0, 0, 0,                     0, 5},
    {host::DI_TEXT,      5, 2,  0, 0, 0, 0, 0,                     0, 6},
    {host::DI_EDIT,      5, 3, 38, 0, 1, 0, 0,                     0, 0},
    {host::DI_TEXT,      4, 4,  0, 0, 0, 0, host::DIF_SEPARATOR,   0, 0},
    {host::DI_CHECKBOX,  5, 5,  0, 0, 0, 0, 0,                     0, 7},
    {host::DI_CHECKBOX,  5, 6,  0, 0, 0, 0, 0,                     0, 8},
    {host::DI_TEXT,      4, 7,  0, 0, 0, 0, host::DIF_SEPARATOR,   0, 0},
    {host::DI_BUTTON,    0, 8,  0, 0, 0, 0, host::DIF_CENTERGROUP, 1, 1},
    {host::DI_BUTTON,    0, 8,  0, 0, 0, 0, host::DIF_CENTERGROUP, 0, 2},
}};
// clang-format on

// Host items built from the templates, with their texts fetched from the host.
std::vector<host::FarDialogItem> expand_templates(std::span<const DialogItemTemplate> templates,
                                                  const HostContext& host);

}  // namespace pickwell
