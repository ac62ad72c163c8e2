// A dialog the host builds and runs: its controls as data, the values they start with, and the
// answers it holds once the user has closed it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "core/messages.h"

namespace pickwell {

enum class ControlKind { DoubleBox, Text, Separator, Edit, CheckBox, Button };

// One control; coordinates are character cells relative to the dialog, 0 where the host places
// the control itself.
struct DialogControl {
    ControlKind kind;
    int x1, y1, x2, y2;
    bool focus;           // has the focus when the dialog opens
    bool default_button;  // Enter anywhere presses it
    bool center_group;    // centred with its neighbours on one line
    Message message;      // its text; Message::None for none
};

// What a control shows when the dialog opens.
struct ControlState {
    const char16_t* text = nullptr;  // its label, or an edit field's text; null for none
    std::int64_t checked = 0;        // a check box's state, as the store held it
};

struct DialogRequest {
    std::span<const DialogControl> controls;
    std::span<const ControlState> states;  // one per control
    int width, height;                     // centred on the screen
    std::size_t edit_capacity;             // units an edit field holds, its terminator included
    int confirm;                           // the button that confirms the dialog
};

// What the controls of a closed dialog hold.
class DialogAnswers {
  public:
    virtual ~DialogAnswers() = default;
    virtual bool is_checked(int control) const = 0;
    virtual std::u16string text_of(int control) const = 0;
};

class DialogRunner {
  public:
    virtual ~DialogRunner() = default;
    // Shows the dialog and waits for the user. Closed with the confirming button, `confirmed`
    // reads its answers while the dialog still holds them, and the result is true; false when
    // the host could not show it or it was closed any other way.
    virtual bool run(const DialogRequest& request,
                     const std::function<void(const DialogAnswers&)>& confirmed) = 0;
};

}  // namespace pickwell
