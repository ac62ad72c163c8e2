#include "host/far2/plugin.h"

#include "config/config_dialog.h"
#include "host/far2/dialog.h"
#include "host/far2/panel.h"
#include "platform/win32/clipboard_source.h"
#include "select/select_command.h"

namespace pickwell::far2 {

void Plugin::set_startup_info(const PluginStartupInfo* info) {
    if (info == nullptr) {
        return;
    }
    host_.save(*info);
    settings_path_.compose(host_.root_key());
}

void Plugin::get_plugin_info(PluginInfo* info) {
    if (info == nullptr || host_.info().GetMsg == nullptr) {
        return;
    }
    info->StructSize = sizeof(PluginInfo);
    menu_slot_ = host_.get_msg(Message::MenuEntry);
    info->PluginMenuStrings = &menu_slot_;
    info->PluginMenuStringsNumber = 1;
    info->PluginConfigStrings = &menu_slot_;
    info->PluginConfigStringsNumber = 1;
}

Handle Plugin::open_plugin() {
    if (!host_.can_run_command()) {
        return kInvalidHandle;
    }
    HostPanel panel(host_);
    WindowsClipboardSource clipboard(platform_.clipboard);
    RegistrySettingsStore settings(platform_.registry, settings_path_);
    // Far 2 takes no result from the command: nothing tells it how many items were marked.
    // Far 2's module compares the parent entry like any other item, and a text's full path
    // whole, as any name with a separator.
    (void)run_select_command({panel, clipboard, settings, platform_.collation, u'\\',
                              ParentEntry::LikeAnyItem, nullptr});
    return kInvalidHandle;
}

int Plugin::configure(int item_number) {
    if (!host_.can_run_dialog() || item_number != 0) {
        return kFalse;
    }
    RegistrySettingsStore settings(platform_.registry, settings_path_);
    HostDialogRunner dialog(host_);
    return run_config_dialog(host_, settings, dialog) ? kTrue : kFalse;
}

}  // namespace pickwell::far2
