// The module's copy of Far 3's startup record and standard-function table, and typed calls
// through its service table.
#pragma once

#include "core/messages.h"
#include "host/far3/guids.h"
#include "host/far3/plugin_api.h"

namespace pickwell::far3 {

class HostContext final : public MessageTexts {
  public:
    HostContext() = default;
    // The copy's FSF points into the copy itself.
    HostContext(const HostContext&) = delete;
    HostContext& operator=(const HostContext&) = delete;

    // Copies as much of the host's record and of its table as both sides know: the host states
    // its own size, which may be smaller or larger than ours. No record, or one too short for
    // the services this module calls, leaves nothing saved, so that every service reads as
    // missing. True when the record was saved.
    bool save(const PluginStartupInfo* info);

    const PluginStartupInfo& info() const { return info_; }

    bool can_list_menus() const { return info_.GetMsg != nullptr; }
    bool can_run_command() const {
        return info_.PanelControl != nullptr && info_.SettingsControl != nullptr;
    }
    bool can_run_dialog() const {
        return info_.GetMsg != nullptr && info_.DialogInit != nullptr &&
               info_.DialogRun != nullptr && info_.DialogFree != nullptr &&
               info_.SendDlgMessage != nullptr && info_.SettingsControl != nullptr;
    }

    const WChar* get_msg(Message id) const {
        return info_.GetMsg(&kPluginGuid, static_cast<IntPtr>(id));
    }
    const char16_t* text(Message id) override { return get_msg(id); }

    // PanelControl on the active panel.
    IntPtr panel_control(int command, IntPtr param1, void* param2) const {
        return info_.PanelControl(kActivePanel, command, param1, param2);
    }

    // The configuration dialog, centred: `width` and `height` are its size. F1 in it shows the
    // help file's Config topic, the one the host's configuration menu shows too.
    Handle dialog_init(IntPtr width, IntPtr height, const FarDialogItem* items,
                       std::size_t count) const {
        return info_.DialogInit(&kPluginGuid, &kDialogGuid, -1, -1, width, height, u"Config", items,
                                count, 0, 0, nullptr, nullptr);
    }
    IntPtr dialog_run(Handle dialog) const { return info_.DialogRun(dialog); }
    void dialog_free(Handle dialog) const { info_.DialogFree(dialog); }
    IntPtr send_dlg_message(Handle dialog, IntPtr msg, IntPtr param1, void* param2) const {
        return info_.SendDlgMessage(dialog, msg, param1, param2);
    }

    IntPtr settings_control(Handle settings, int command, IntPtr param1, void* param2) const {
        return info_.SettingsControl(settings, command, param1, param2);
    }

  private:
    PluginStartupInfo info_{};
    FarStandardFunctions fsf_{};
};

}  // namespace pickwell::far3
