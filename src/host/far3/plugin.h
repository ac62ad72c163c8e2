// The Far 3 module as the host sees it: its long-lived state and the work behind each entry
// point.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "core/clipboard_source.h"
#include "host/far3/host_context.h"
#include "platform/clipboard.h"
#include "platform/collation.h"
#include "select/select_command.h"

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
    // The first menu entry selects without a word; the second also shows what became of the
    // names.
    Handle open(const OpenInfo* info);
    IntPtr configure(const ConfigureInfo* info);

    const HostContext& host() const { return host_; }

  private:
    void open_from_menu(const Uuid* item);
    Handle answer_macro(const OpenMacroInfo* arguments);

    // The names of `text`, or of the clipboard when there is none.
    std::unique_ptr<ClipboardSource> names_from(std::optional<std::u16string> text);
    // Runs `command` with the services of the active panel and the module's store, over `names`.
    template <typename Command>
    auto with_services(ClipboardSource& names, Command command);

    Clipboard& clipboard_;
    const Collation& collation_;
    HostContext host_;
    // The texts of the two entries handed to the host's plug-ins menu; the first is also the
    // configuration menu's one entry.
    const WChar* menu_slots_[2] = {};
};

}  // namespace pickwell::far3
