// The module's copy of the host's startup record, and typed calls through its service table.
#pragma once

#include "host/messages.h"
#include "host/plugin_api.h"

namespace pickwell {

class HostContext {
  public:
    // Copies the whole record as this module's interface revision defines it.
    void save(const host::PluginStartupInfo& info) { info_ = info; }

    const host::PluginStartupInfo& info() const { return info_; }
    const host::WChar* root_key() const { return info_.RootKey; }

    // The services the command needs are there (before the host's startup call they are not).
    bool can_run_command() const { return info_.GetMsg != nullptr && info_.Control != nullptr; }
    bool can_run_dialog() const {
        return info_.GetMsg != nullptr && info_.DialogInit != nullptr &&
               info_.DialogRun != nullptr && info_.DialogFree != nullptr &&
               info_.SendDlgMessage != nullptr;
    }

    const host::WChar* get_msg(Message id) const {
        return info_.GetMsg(info_.ModuleNumber, static_cast<int>(id));
    }

    // Control on the active panel.
    int control(int command, int param1, host::IntPtr param2) const {
        return info_.Control(host::kActivePanel, command, param1, param2);
    }
    int control(int command, int param1, void* param2) const {
        return control(command, param1, reinterpret_cast<host::IntPtr>(param2));
    }

    host::Handle dialog_init(int x1, int y1, int x2, int y2, host::FarDialogItem* items,
                             unsigned int count) const {
        return info_.DialogInit(info_.ModuleNumber, x1, y1, x2, y2, nullptr, items, count, 0, 0,
                                nullptr, 0);
    }
    int dialog_run(host::Handle dialog) const { return info_.DialogRun(dialog); }
    void dialog_free(host::Handle dialog) const { info_.DialogFree(dialog); }
    host::IntPtr send_dlg_message(host::Handle dialog, int msg, int param1,
                                  host::IntPtr param2) const {
        return info_.SendDlgMessage(dialog, msg, param1, param2);
    }

  private:
    host::PluginStartupInfo info_{};
};

}  // namespace pickwell
