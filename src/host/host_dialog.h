// A dialog that a host of this family created: freed by the host when it goes, and read through
// two of the host's dialog messages once the user has closed it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/dialog_runner.h"
#include "platform/far2l/utf32_text.h"

namespace pickwell {

// A host's text as the core's: UTF-16 as it is, UTF-32 converted; null reads as empty.
inline std::u16string core_text(const char16_t* text) {
    return text != nullptr ? text : u"";
}
inline std::u16string core_text(const char32_t* text) {
    return utf16_from_host(text);
}

// `Host` is a host context with dialog_run, dialog_free and send_dlg_message; `Char` is the unit
// of its texts; `kCheckMessage` asks a check box's state, `kTextMessage` for a pointer to a
// control's text in the host's own buffer.
template <typename Host, typename Char, auto kCheckMessage, auto kTextMessage>
class HostDialog final : public DialogAnswers {
  public:
    HostDialog(const Host& host, void* handle) : host_(host), handle_(handle) {}
    HostDialog(const HostDialog&) = delete;
    HostDialog& operator=(const HostDialog&) = delete;
    ~HostDialog() override {
        if (created()) {
            host_.dialog_free(handle_);
        }
    }

    // Shows the dialog and waits: true, once `confirmed` has read the answers, when it was
    // closed with the control `confirm`; false when it was not created or closed otherwise.
    bool run(int confirm, const std::function<void(const DialogAnswers&)>& confirmed) const {
        if (!created() || host_.dialog_run(handle_) != confirm) {
            return false;
        }
        confirmed(*this);
        return true;
    }

    bool is_checked(int control) const override {
        return host_.send_dlg_message(handle_, kCheckMessage, control, {}) != 0;
    }
    // The host's text, copied before anything can change it.
    std::u16string text_of(int control) const override {
        return core_text(reinterpret_cast<const Char*>(
            host_.send_dlg_message(handle_, kTextMessage, control, {})));
    }

  private:
    // Hosts answer a failed creation with INVALID_HANDLE_VALUE, some with null.
    bool created() const {
        return handle_ != nullptr && handle_ != reinterpret_cast<void*>(std::intptr_t{-1});
    }

    const Host& host_;
    void* handle_;
};

}  // namespace pickwell
