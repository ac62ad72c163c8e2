// The command's second form: select as the first does, then tell the user what became of the
// names on the clipboard.
#pragma once

#include <cstddef>

#include "core/messages.h"
#include "core/report_view.h"
#include "select/select_command.h"

namespace pickwell {

// The list shows at most this many names, and then a line that says how many more there are:
// a host's menu may grow slow with many more. Its copy holds every name.
inline constexpr std::size_t kNamesShown = 5000;

// Selects as run_select_command does, then shows:
// - every name found: a message that says how many names and items;
// - some names not found: the list of them, whose copy keys put them on the clipboard as text
//   that reads back as the same names;
// - no names on the clipboard, or the command could not run: a message that says why.
void run_report_command(const CommandServices& services, ReportView& view, MessageTexts& texts);

}  // namespace pickwell
