// The Far 2 module as the host sees it: its long-lived state and the work behind each entry
// point.
#pragma once

#include "host/far2/host_context.h"
#include "host/far2/registry_settings.h"
#include "platform/platform.h"

namespace pickwell::far2 {

class Plugin {
  public:
    explicit Plugin(Platform& platform) : platform_(platform) {}

    void set_startup_info(const PluginStartupInfo* info);
    void get_plugin_info(PluginInfo* info);
    Handle open_plugin();
    int configure(int item_number);

    const SettingsKeyPath& settings_path() const { return settings_path_; }

  private:
    Platform& platform_;
    HostContext host_;
    SettingsKeyPath settings_path_;
    // The menu text handed to the host, as a one-element array for both of its menus.
    const WChar* menu_slot_ = nullptr;
};

}  // namespace pickwell::far2
