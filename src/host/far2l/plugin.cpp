#include "host/far2l/plugin.h"

#include "config/config_dialog.h"
#include "host/command_settings.h"
#include "host/far2l/dialog.h"
#include "host/far2l/ini_settings.h"
#include "host/far2l/panel.h"
#include "host/far2l/report_view.h"
#include "host/far2l/texts.h"
#include "platform/far2l/clipboard_source.h"
#include "platform/posix/full_path.h"
#include "report/report_command.h"
#include "select/select_command.h"

namespace pickwell::far2l {
namespace {

// The index of the entry that reports, in the plug-ins menu.
constexpr IntPtr kReportEntry = 1;

}  // namespace

void Plugin::set_startup_info(const void* info) {
    if (info != nullptr) {
        host_.save(info);
    }
}

void Plugin::get_plugin_info(PluginInfo* info) {
    if (info == nullptr) {
        return;
    }
    info->StructSize = sizeof(PluginInfo);
    menu_slots_ = {host_text(host_, Message::MenuEntry),
                   host_text(host_, Message::ReportMenuEntry)};
    info->PluginMenuStrings = menu_slots_.data();
    info->PluginMenuStringsNumber = static_cast<int>(menu_slots_.size());
    info->PluginConfigStrings = menu_slots_.data();
    info->PluginConfigStringsNumber = 1;
}

Handle Plugin::open_plugin(IntPtr item) {
    if (!host_.can_run_command()) {
        return kInvalidHandle;
    }
    HostPanel panel(host_);
    Far2lClipboardSource clipboard(platform_.clipboard);
    IniSettingsStore file(platform_.settings_file());
    CommandSettingsStore settings(file);
    // far2l never selects its parent entry: FCTL_SETSELECTION on it does nothing.
    const CommandServices services{panel,
                                   clipboard,
                                   settings,
                                   platform_.collation,
                                   u'/',
                                   ParentEntry::NeverSelected,
                                   posix_full_path_root};
    if (item == kReportEntry) {
        HostReportView view(host_);
        HostTexts texts(host_);
        run_report_command(services, view, texts);
    } else {
        // The host takes no result from the command: nothing tells it how many items were
        // marked.
        (void)run_select_command(services);
    }
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
