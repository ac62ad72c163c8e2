// The module's command: select on the active file panel every item named on the clipboard.
#pragma once

#include <cstddef>
#include <optional>

#include "core/active_panel.h"
#include "core/clipboard_source.h"
#include "core/settings_store.h"
#include "platform/collation.h"

namespace pickwell {

// What the command works with. `path_separator` is the character that ends a folder in the
// host's paths.
struct CommandServices {
    ActivePanel& panel;
    ClipboardSource& clipboard;
    SettingsStore& settings;
    const Collation& collation;
    char16_t path_separator;
};

// The number of items it marked; nothing when it could not run at all (the active panel is not
// a file panel, or another program holds the clipboard).
std::optional<std::size_t> run_select_command(const CommandServices& services);

}  // namespace pickwell
