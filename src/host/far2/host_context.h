// The module's copy of Far 2's startup record, and typed calls through its service table.
#pragma once

#include "core/messages.h"
#include "host/far2/plugin_api.h"

namespace pickwell::far2 {

class HostContext final : public MessageTexts {
  public:
    // Copies the whole record as this module's interface revision defines it.
    void save(const PluginStartupInfo& info) { info_ = info; }

    const PluginStartupInfo& info() const { return info_; }
    const WChar* root_key() const { return info_.RootKey; }

    // The services the command needs are there (before the host's startup call they are not).
    bool can_run_command() const { return info_.GetMsg != nullptr && info_.Control != nullptr; }
    bool can_run_dialog() const {
        return info_.GetMsg != nullptr && info_.DialogInit != nullptr &&
               info_.DialogRun != nullptr && info_.DialogFree != nullptr &&
               info_.SendDlgMessage != nullptr;
    }

    const WChar* get_msg(Message id) const {
        return info_.GetMsg(info_.ModuleNumber, static_cast<int>(id));
    }
    const char16_t* text(Message id) override { return get_msg(id); }

    // Control on the active panel.
    int control(int command, int param1, IntPtr param2) const {
        return info_.Control(kActivePanel, command, param1, param2);
    }
    int control(int command, int param1, void* param2) const {
        return control(command, param1, reinterpret_cast<IntPtr>(param2));
    }

    Handle dialog_init(int x1, int y1, int x2, int y2, FarDialogItem* items,
                       unsigned int count) const {
        return info_.DialogInit(info_.ModuleNumber, x1, y1, x2, y2, nullptr, items, count, 0, 0,
                                nullptr, 0);
    }
    int dialog_run(Handle dialog) const { return info_.DialogRun(dialog); }
    void dialog_free(Handle dialog) const { info_.DialogFree(dialog); }
    IntPtr send_dlg_message(Handle dialog, int msg, int param1, IntPtr param2) const {
        return info_.SendDlgMessage(dialog, msg, param1, param2);
    }

  private:
    PluginStartupInfo info_{};
};

}  // namespace pickwell::far2
