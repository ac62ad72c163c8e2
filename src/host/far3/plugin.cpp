#include "host/far3/plugin.h"

#include "config/config_dialog.h"
#include "host/far3/dialog.h"
#include "host/far3/host_settings.h"
#include "host/far3/macro_result.h"
#include "host/far3/panel.h"
#include "platform/win32/clipboard_source.h"
#include "select/select_command.h"

namespace pickwell::far3 {
namespace {

// Build 2896 is the oldest host whose records, constants and service signatures, the macro
// records included, are all those declared here. Later hosts made GlobalInfo, PluginInfo (3596),
// PluginStartupInfo (5552) and the standard-function table longer: the module copies no more of
// a host record than it states, writes records field by field and asks for each item's size
// before it fills it, so it works with every one of them.
constexpr VersionInfo kMinFarVersion = {3, 0, 0, 2896, VS_RELEASE};
// The version record's numbers.
constexpr VersionInfo kVersion = {2, 10, 0, 0, VS_RELEASE};

// How much of each record the host passes the module reads or writes: an older host's record
// may end sooner than ours, never before these.
constexpr std::size_t kGlobalInfoUsed = offsetof(GlobalInfo, Author) + sizeof(const WChar*);
constexpr std::size_t kPluginInfoUsed = offsetof(PluginInfo, CommandPrefix) + sizeof(const WChar*);
constexpr std::size_t kOpenInfoUsed = offsetof(OpenInfo, OpenFrom) + sizeof(int);
constexpr std::size_t kConfigureInfoUsed = offsetof(ConfigureInfo, Guid) + sizeof(const Uuid*);

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
    menu_slot_ = host_.get_msg(Message::MenuEntry);
    info->Flags = 0;
    info->DiskMenu = {};
    info->PluginMenu = {&kMenuGuid, &menu_slot_, 1};
    info->PluginConfig = {&kConfigGuid, &menu_slot_, 1};
    info->CommandPrefix = nullptr;
}

Handle Plugin::open(const OpenInfo* info) {
    if (!host_.can_run_command() || !states_at_least(info, kOpenInfoUsed)) {
        return nullptr;
    }
    switch (info->OpenFrom) {
        case OPEN_PLUGINSMENU:
            (void)run_command();
            return nullptr;
        case OPEN_FROMMACRO: {
            // A macro that could not run the command sees false.
            const std::optional<std::size_t> marked = run_command();
            return marked ? macro_result(*marked) : nullptr;
        }
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

std::optional<std::size_t> Plugin::run_command() {
    HostPanel panel(host_);
    WindowsClipboardSource clipboard(clipboard_);
    HostSettingsStore settings(host_);
    return run_select_command({panel, clipboard, settings, collation_, u'\\'});
}

}  // namespace pickwell::far3
