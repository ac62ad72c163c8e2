// The module's copies of far2l's startup record and helper table, and typed calls through them.
#pragma once

#include <algorithm>
#include <cstring>

#include "host/far2l/plugin_api.h"

namespace pickwell::far2l {

class HostContext {
  public:
    // Both records live on the host's stack only for the call that hands them over: each is
    // copied, as far as the host says it reaches, and the copy of the startup record points at
    // the copy of the table.
    void save(const PluginStartupInfo& info) {
        info_ = {};
        fsf_ = {};
        std::memcpy(&info_, &info, bytes_stated(info.StructSize, sizeof info_));
        if (info_.FSF != nullptr) {
            const int stated = info_.FSF->StructSize;
            std::memcpy(&fsf_, info_.FSF, bytes_stated(stated, sizeof fsf_));
        }
        info_.FSF = &fsf_;
    }

    const PluginStartupInfo& info() const { return info_; }

    // The services each entry point needs are there (before the host's startup call they are
    // not).
    bool can_run_command() const { return info_.Control != nullptr; }
    bool can_run_dialog() const {
        return info_.DialogInit != nullptr && info_.DialogRun != nullptr &&
               info_.DialogFree != nullptr && info_.SendDlgMessage != nullptr;
    }

    // The host's text; null when it has none (it finds no language file).
    const WChar* get_msg(int id) const {
        return info_.GetMsg != nullptr ? info_.GetMsg(info_.ModuleNumber, id) : nullptr;
    }

    // Control on the active panel.
    int control(int command, int param1, IntPtr param2) const {
        return info_.Control(kActivePanel, command, param1, param2);
    }
    int control(int command, int param1, void* param2) const {
        return control(command, param1, reinterpret_cast<IntPtr>(param2));
    }

    // F1 in the dialog opens `help_topic` of the module's own help file.
    Handle dialog_init(int x1, int y1, int x2, int y2, const WChar* help_topic,
                       FarDialogItem* items, unsigned int count) const {
        return info_.DialogInit(info_.ModuleNumber, x1, y1, x2, y2, help_topic, items, count, 0, 0,
                                nullptr, 0);
    }
    int dialog_run(Handle dialog) const { return info_.DialogRun(dialog); }
    void dialog_free(Handle dialog) const { info_.DialogFree(dialog); }
    IntPtr send_dlg_message(Handle dialog, int msg, int param1, IntPtr param2) const {
        return info_.SendDlgMessage(dialog, msg, param1, param2);
    }

    // The host's menu, centred and as high as the screen lets it be; -1 (Esc, and with
    // `break_code` left at -1) when the host has no menu.
    int menu(Dword flags, const WChar* title, const WChar* bottom, const WChar* help_topic,
             const int* break_keys, int* break_code, const FarMenuItem* items, int count) const {
        if (info_.Menu == nullptr) {
            return -1;
        }
        return info_.Menu(info_.ModuleNumber, -1, -1, 0, flags, title, bottom, help_topic,
                          break_keys, break_code, items, count);
    }

    // The host's message box, `items[0]` its title; nothing when the host has none.
    void message(Dword flags, const WChar* help_topic, const WChar* const* items, int count) const {
        if (info_.Message != nullptr) {
            info_.Message(info_.ModuleNumber, flags, help_topic, items, count, 0);
        }
    }

    // Puts `text` on the clipboard; false when the host could not, or has no such helper.
    bool copy_to_clipboard(const WChar* text) const {
        return info_.FSF != nullptr && info_.FSF->CopyToClipboard != nullptr &&
               info_.FSF->CopyToClipboard(text) != kFalse;
    }

  private:
    static std::size_t bytes_stated(int struct_size, std::size_t ours) {
        return struct_size > 0 ? std::min(static_cast<std::size_t>(struct_size), ours) : 0;
    }

    PluginStartupInfo info_{};
    FarStandardFunctions fsf_{};
};

}  // namespace pickwell::far2l
