// A dialog a host created: freed by the host when it goes, and asked for its controls' states.
// Both hosts' interfaces share these calls and message numbers; what a control's text is made
// of is each host's own business.
#pragma once

#include <cstdint>

#include "core/dialog_runner.h"

namespace pickwell {

inline constexpr int kDmGetCheck = 25;         // DM_GETCHECK
inline constexpr int kDmGetConstTextPtr = 64;  // DM_GETCONSTTEXTPTR

// `Host` offers dialog_run, dialog_free and send_dlg_message on its handles.
template <typename Host>
class HostDialogBase : public DialogAnswers {
  public:
    HostDialogBase(const Host& host, void* handle) : host_(host), handle_(handle) {}
    HostDialogBase(const HostDialogBase&) = delete;
    HostDialogBase& operator=(const HostDialogBase&) = delete;
    ~HostDialogBase() override {
        if (*this) {
            host_.dialog_free(handle_);
        }
    }
    // Some hosts answer a failed creation with null rather than INVALID_HANDLE_VALUE.
    explicit operator bool() const {
        return handle_ != reinterpret_cast<void*>(std::intptr_t{-1}) && handle_ != nullptr;
    }

    int run() const { return host_.dialog_run(handle_); }
    bool is_checked(int item) const override {
        return host_.send_dlg_message(handle_, kDmGetCheck, item, 0) != 0;
    }

  protected:
    // The host's pointer to the current text of `item`, valid while the dialog is.
    template <typename Char>
    const Char* text_pointer(int item) const {
        return reinterpret_cast<const Char*>(
            host_.send_dlg_message(handle_, kDmGetConstTextPtr, item, 0));
    }

  private:
    const Host& host_;
    void* handle_;
};

}  // namespace pickwell
