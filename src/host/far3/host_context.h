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
    // The second menu entry also shows its outcome; without the clipboard's writer its list
    // still shows, and its copy keys report that nothing was copied.
    bool can_run_report() const {
        return can_run_command() && info_.GetMsg != nullptr && info_.Menu != nullptr &&
               info_.Message != nullptr;
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

    // A message box of the plug-in, with the host's own buttons when `flags` name them.
    IntPtr message(const Uuid& id, Flags64 flags, const WChar* help_topic,
                   const WChar* const* items, std::size_t count) const {
        return info_.Message(&kPluginGuid, &id, flags, help_topic, items, count, 0);
    }
    // A menu of the plug-in, centred and as high as the host allows.
    IntPtr menu(const Uuid& id, Flags64 flags, const WChar* title, const WChar* bottom,
                const WChar* help_topic, const FarKey* break_keys, IntPtr* break_code,
                const FarMenuItem* items, std::size_t count) const {
        return info_.Menu(&kPluginGuid, &id, -1, -1, 0, flags, title, bottom, help_topic,
                          break_keys, break_code, items, count);
    }
    // Puts `text` on the clipboard as plain text; false when the host cannot, or has no writer.
    bool copy_to_clipboard(const WChar* text) const {
        return fsf_.CopyToClipboard != nullptr && fsf_.CopyToClipboard(FCT_STREAM, text) != 0;
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
