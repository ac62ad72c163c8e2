// The Far 3 module as the host sees it: its long-lived state and the work behind each entry
// point.
#pragma once

#include <cstddef>
#include <optional>

#include "host/far3/host_context.h"
#include "platform/clipboard.h"
#include "platform/collation.h"

namespace pickwell::far3 {

// Fills the record the host hands over before anything else: who the module is and the oldest
// host it works with.
void describe_module(GlobalInfo* info);

class Plugin {
  public:
    Plugin(Clipboard& clipboard, const Collation& collation)
        : clipboard_(clipboard), collation_(collation) {}

    void set_startup_info(const PluginStartupInfo* info);
    void get_plugin_info(PluginInfo* info);
    // Null in every case but a macro's call of a command that ran: no panel is ever opened.
    Handle open(const OpenInfo* info);
    IntPtr configure(const ConfigureInfo* info);

    const HostContext& host() const { return host_; }

  private:
    std::optional<std::size_t> run_command();

    Clipboard& clipboard_;
    const Collation& collation_;
    HostContext host_;
    // The menu text handed to the host, as a one-element array for both of its menus.
    const WChar* menu_slot_ = nullptr;
};

}  // namespace pickwell::far3
