#include "host/far3/plugin.h"

#include "config/config_dialog.h"
#include "host/command_settings.h"
#include "host/far3/dialog.h"
#include "host/far3/host_settings.h"
#include "host/far3/macro_request.h"
#include "host/far3/macro_result.h"
#include "host/far3/panel.h"
#include "host/far3/report_view.h"
#include "platform/win32/clipboard_source.h"
#include "platform/win32/full_path.h"
#include "report/report_command.h"
#include "select/given_text.h"

namespace pickwell::far3 {
namespace {

// Build 3462 is the oldest host that has all the module uses. The records, constants and service
// signatures declared here, the settings service, the panel item's size query, the dialog
// messages and the menu's break keys among them, hold from build 2831 on; the macro records
// from 2896; but a macro's table of names not found is an FMVT_ARRAY, which the host reads only
// from 3462. Later hosts made GlobalInfo, PluginInfo (3596), PluginStartupInfo (5552) and the
// standard-function table longer: the module copies no more of a host record than it states,
// writes records field by field and asks for each item's size before it fills it, so it works
// with every one of them. Of the second menu entry's records, the menu item and the menu and
// message flags are known to hold from build 6058 on.
constexpr VersionInfo kMinFarVersion = {3, 0, 0, 3462, VS_RELEASE};
// The version record's numbers.
constexpr VersionInfo kVersion = {2, 10, 0, 0, VS_RELEASE};

// How much of each record the host passes the module reads or writes: an older host's record
// may end sooner than ours, never before these.
constexpr std::size_t kGlobalInfoUsed = offsetof(GlobalInfo, Author) + sizeof(const WChar*);
constexpr std::size_t kPluginInfoUsed = offsetof(PluginInfo, CommandPrefix) + sizeof(const WChar*);
constexpr std::size_t kOpenInfoUsed = offsetof(OpenInfo, Data) + sizeof(IntPtr);
constexpr std::size_t kConfigureInfoUsed = offsetof(ConfigureInfo, Guid) + sizeof(const Uuid*);

// The entries of the plug-ins menu, in the order of their texts.
constexpr Uuid kMenuGuids[] = {kMenuGuid, kReportMenuGuid};

template <typename Record>
bool states_at_least(const Record* record, std::size_t size) {
    return record != nullptr && record->StructSize >= size;
}

}  // namespace

void describe_module(GlobalInfo* info) {
    if (!states_at_least(info, kGlobalInfoUsed)) {
        return;
    }
    info->MinFarVersion = kMinFarVersion;
    info->Version = kVersion;
    info->Guid = kPluginGuid;
    info->Title = u"Pickwell";
    info->Description = u"Selects the panel items named on the clipboard";
    info->Author = u"Zentro";
}

void Plugin::set_startup_info(const PluginStartupInfo* info) {
    (void)host_.save(info);
}

void Plugin::get_plugin_info(PluginInfo* info) {
    if (!host_.can_list_menus() || !states_at_least(info, kPluginInfoUsed)) {
        return;
    }
    menu_slots_[0] = host_.get_msg(Message::MenuEntry);
    menu_slots_[1] = host_.get_msg(Message::ReportMenuEntry);
    info->Flags = 0;
    info->DiskMenu = {};
    info->PluginMenu = {kMenuGuids, menu_slots_, 2};
    info->PluginConfig = {&kConfigGuid, menu_slots_, 1};
    info->CommandPrefix = nullptr;
}

template <typename Command>
auto Plugin::with_services(ClipboardSource& names, Command command) {
    HostPanel panel(host_);
    HostSettingsStore store(host_);
    CommandSettingsStore settings(store);
    // Far 3 never selects its parent entry: FCTL_SETSELECTION on it does nothing.
    return command(CommandServices{panel, names, settings, collation_, u'\\',
                                   ParentEntry::NeverSelected, windows_full_path_root});
}

Handle Plugin::open(const OpenInfo* info) {
    if (!host_.can_run_command() || !states_at_least(info, kOpenInfoUsed)) {
        return nullptr;
    }
    switch (info->OpenFrom) {
        case OPEN_PLUGINSMENU:
            open_from_menu(info->Guid);
            return nullptr;
        case OPEN_FROMMACRO:
            return answer_macro(reinterpret_cast<const OpenMacroInfo*>(info->Data));
        default:
            return nullptr;
    }
}

IntPtr Plugin::configure(const ConfigureInfo* info) {
    if (!host_.can_run_dialog() || !states_at_least(info, kConfigureInfoUsed) ||
        info->Guid == nullptr || *info->Guid != kConfigGuid) {
        return kFalse;
    }
    HostSettingsStore settings(host_);
    HostDialogRunner dialog(host_);
    return run_config_dialog(host_, settings, dialog) ? kTrue : kFalse;
}

std::unique_ptr<ClipboardSource> Plugin::names_from(std::optional<std::u16string> text) {
    if (text) {
        return std::make_unique<GivenText>(std::move(*text));
    }
    return std::make_unique<WindowsClipboardSource>(clipboard_);
}

void Plugin::open_from_menu(const Uuid* item) {
    const auto clipboard = names_from(std::nullopt);
    if (item == nullptr || *item != kReportMenuGuid) {
        (void)with_services(*clipboard, run_select_command);
        return;
    }
    // An entry that cannot show what it did does nothing.
    if (host_.can_run_report()) {
        HostReportView view(host_);
        with_services(*clipboard, [&](const CommandServices& services) {
            run_report_command(services, view, host_);
        });
    }
}

// A macro sees false when the command could not run, and for arguments the module does not take.
Handle Plugin::answer_macro(const OpenMacroInfo* arguments) {
    std::optional<MacroRequest> request = read_macro_request(arguments);
    if (!request) {
        return nullptr;
    }
    const auto names = names_from(std::move(request->text));
    if (!request->list_not_found) {
        const std::optional<std::size_t> marked = with_services(*names, run_select_command);
        return marked ? macro_result(*marked) : nullptr;
    }
    auto outcome = with_services(*names, run_select_command_with_report);
    auto* report = std::get_if<SelectionReport>(&outcome);
    if (report == nullptr) {
        return nullptr;
    }
    return macro_result(report->marked, std::move(report->names), report->tally.not_found);
}

}  // namespace pickwell::far3
