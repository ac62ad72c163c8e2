// The far2l module as the host sees it: its long-lived state and the work behind each entry
// point.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "host/far2l/host_context.h"
#include "platform/collation.h"
#include "platform/far2l/clipboard.h"

namespace pickwell::far2l {

// The services of the system the module uses.
struct Far2lPlatform {
    WinPortClipboard& clipboard;
    const Collation& collation;
    // The settings file as the profile rule finds it now; nothing when there is no profile.
    std::function<std::optional<std::string>()> settings_file;
};

class Plugin {
  public:
    explicit Plugin(Far2lPlatform platform) : platform_(std::move(platform)) {}

    // `info` is the host's startup record, in the layout of its version.
    void set_startup_info(const void* info);
    void get_plugin_info(PluginInfo* info);
    // Entry `item` of the plug-ins menu: 1 selects and reports what it found, any other only
    // selects.
    Handle open_plugin(IntPtr item);
    int configure(int item_number);

  private:
    Far2lPlatform platform_;
    HostContext host_;
    // The menu texts handed to the host: both entries of its plug-ins menu, the first of them
    // alone in its configuration menu.
    std::array<const WChar*, 2> menu_slots_{};
};

}  // namespace pickwell::far2l
