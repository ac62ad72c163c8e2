#include "host/plugin.h"

#include "config/config_dialog.h"
#include "select/select_command.h"

namespace pickwell {

void Plugin::set_startup_info(const host::PluginStartupInfo* info) {
    if (info == nullptr) {
        return;
    }
    host_.save(*info);
    settings_path_.compose(host_.root_key());
}

void Plugin::get_plugin_info(host::PluginInfo* info) {
    if (info == nullptr || host_.info().GetMsg == nullptr) {
        return;
    }
    info->StructSize = sizeof(host::PluginInfo);
    menu_slot_ = host_.get_msg(Message::MenuEntry);
    info->PluginMenuStrings = &menu_slot_;
    info->PluginMenuStringsNumber = 1;
    info->PluginConfigStrings = &menu_slot_;
    info->PluginConfigStringsNumber = 1;
}

host::Handle Plugin::open_plugin() {
    if (!host_.can_run_command()) {
        return host::kInvalidHandle;
    }
    return run_select_command(host_, platform_, settings_path_);
}

int Plugin::configure(int item_number) {
    if (!host_.can_run_dialog()) {
        return host::kFalse;
    }
    return run_config_dialog(item_number, host_, platform_.registry, settings_path_);
}

}  // namespace pickwell
