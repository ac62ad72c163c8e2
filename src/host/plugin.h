// The module as the host sees it: its long-lived state and the work behind each entry point.
#pragma once

#include "host/host_context.h"
#include "host/settings.h"
#include "platform/platform.h"

namespace pickwell {

class Plugin {
  public:
    explicit Plugin(Platform& platform) : platform_(platform) {}

    void set_startup_info(const host::PluginStartupInfo* info);
    void get_plugin_info(host::PluginInfo* info);
    host::Handle open_plugin();
    int configure(int item_number);

    const SettingsKeyPath& settings_path() const { return settings_path_; }

  private:
    Platform& platform_;
    HostContext host_;
    SettingsKeyPath settings_path_;
    // The menu text handed to the host, as a one-element array for both of its menus.
    const host::WChar* menu_slot_ = nullptr;
};

}  // namespace pickwell
