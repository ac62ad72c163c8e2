#include "host/far2l/plugin.h"

#include "config/config_dialog.h"
#include "host/far2l/dialog.h"
#include "host/far2l/ini_settings.h"
#include "host/far2l/panel.h"
#include "host/far2l/texts.h"
#include "platform/far2l/clipboard_source.h"
#include "select/select_command.h"

namespace pickwell::far2l {

void Plugin::set_startup_info(const PluginStartupInfo* info) {
    if (info != nullptr) {
        host_.save(*info);
    }
}

void Plugin::get_plugin_info(PluginInfo* info) {
    if (info == nullptr) {
        return;
    }
    info->StructSize = sizeof(PluginInfo);
    menu_slot_ = host_text(host_, Message::MenuEntry);
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
    Far2lClipboardSource clipboard(platform_.clipboard);
    IniSettingsStore file(platform_.settings_file());
    CommandSettingsStore settings(file);
    // The host takes no result from the command: nothing tells it how many items were marked.
    (void)run_select_command({panel, clipboard, settings, platform_.collation, u'/'});
    return kInvalidHandle;
}

int Plugin::configure(int item_number) {
    if (!host_.can_run_dialog() || item_number != 0) {
        return kFalse;
    }
    IniSettingsStore settings(platform_.settings_file());
    HostTexts texts(host_);
    HostDialogRunner dialog(host_);
    return run_config_dialog(texts, settings, dialog) ? kTrue : kFalse;
}

}  // namespace pickwell::far2l
