// The module's command: select on the active file panel every item named on the clipboard.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <variant>

#include "core/active_panel.h"
#include "core/clipboard_source.h"
#include "core/settings_store.h"
#include "platform/collation.h"
#include "platform/full_path.h"
#include "select/name_index.h"
#include "select/name_list.h"
#include "select/parent_entry.h"

namespace pickwell {

// What the command works with. `path_separator` is the character that ends a folder in the
// host's paths; `parent_entry` says how the host treats the item `..`; `full_path_root`, where
// the host has one, tells a full path by its root: on a file panel such a name of a text is
// looked up by its file name, as a copied file is.
struct CommandServices {
    ActivePanel& panel;
    ClipboardSource& clipboard;
    SettingsStore& settings;
    const Collation& collation;
    char16_t path_separator;
    ParentEntry parent_entry = ParentEntry::LikeAnyItem;
    FullPathRoot full_path_root = nullptr;  // none: every name with a separator compares whole
};

// The number of items it marked; nothing when it could not run at all (the active panel is not
// a file panel, or another program holds the clipboard).
std::optional<std::size_t> run_select_command(const CommandServices& services);

// Why the command could not run.
enum class CommandFailure { NotFilePanel, ClipboardHeld };

// What one run of the command did, with the names it took and those that matched no item.
struct SelectionReport {
    std::size_t marked = 0;  // items marked
    NameList names;          // as taken from the clipboard
    NameTally tally;         // of `names`, under the case rule in force
    // The settings the names were read with: a list written for the parser with them reads back
    // as the same names.
    std::u16string separators;
    bool trim_spaces = true;
};

// The command as run_select_command runs it, marking the same items with the same host calls;
// it also tells which names matched no item, or why it could not run.
std::variant<SelectionReport, CommandFailure> run_select_command_with_report(
    const CommandServices& services);

}  // namespace pickwell
