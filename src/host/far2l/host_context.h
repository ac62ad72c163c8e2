// The services the module calls in far2l, as typed calls, from whichever layout of the startup
// record the host handed over.
#pragma once

#include "host/far2l/startup_record.h"

namespace pickwell::far2l {

class HostContext {
  public:
    // The host's records live on its stack only for the call that hands them over: what the
    // module needs of them is read out then.
    void save(const void* startup_record) { services_ = read_startup_record(startup_record); }

    // The services each entry point needs are there (before the host's startup call, or in a
    // record that has not all of them, they are not).
    bool can_run_command() const { return services_.control != nullptr; }
    bool can_run_dialog() const {
        return services_.dialog_init != nullptr && services_.dialog_run != nullptr &&
               services_.dialog_free != nullptr && services_.send_dlg_message != nullptr;
    }

    // The host's text; null when it has none (it finds no language file).
    const WChar* get_msg(int id) const {
        return services_.get_msg != nullptr ? services_.get_msg(services_.module_number, id)
                                            : nullptr;
    }

    // Control on the active panel.
    int control(int command, int param1, IntPtr param2) const {
        return services_.control(kActivePanel, command, param1, param2);
    }
    int control(int command, int param1, void* param2) const {
        return control(command, param1, reinterpret_cast<IntPtr>(param2));
    }

    // F1 in the dialog opens `help_topic` of the module's own help file.
    Handle dialog_init(int x1, int y1, int x2, int y2, const WChar* help_topic,
                       FarDialogItem* items, unsigned int count) const {
        return services_.dialog_init(services_.module_number, x1, y1, x2, y2, help_topic, items,
                                     count, 0, 0, nullptr, 0);
    }
    int dialog_run(Handle dialog) const { return services_.dialog_run(dialog); }
    void dialog_free(Handle dialog) const { services_.dialog_free(dialog); }
    IntPtr send_dlg_message(Handle dialog, int msg, int param1, IntPtr param2) const {
        return services_.send_dlg_message(dialog, msg, param1, param2);
    }

    // The host's menu, centred and as high as the screen lets it be; -1 (Esc, and with
    // `break_code` left at -1) when the host has no menu.
    int menu(Dword flags, const WChar* title, const WChar* bottom, const WChar* help_topic,
             const int* break_keys, int* break_code, const FarMenuItem* items, int count) const {
        if (services_.menu == nullptr) {
            return -1;
        }
        return services_.menu(services_.module_number, -1, -1, 0, flags, title, bottom, help_topic,
                              break_keys, break_code, items, count);
    }

    // The host's message box, `items[0]` its title; nothing when the host has none.
    void message(Dword flags, const WChar* help_topic, const WChar* const* items, int count) const {
        if (services_.message != nullptr) {
            services_.message(services_.module_number, flags, help_topic, items, count, 0);
        }
    }

    // Puts `text` on the clipboard; false when the host could not, or has no such helper.
    bool copy_to_clipboard(const WChar* text) const {
        return services_.copy_to_clipboard != nullptr &&
               services_.copy_to_clipboard(text) != kFalse;
    }

  private:
    HostServices services_;
};

}  // namespace pickwell::far2l
