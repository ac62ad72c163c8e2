// What the selection command must do in a scenario, worked out apart from the module: the names
// it must take from the clipboard and the host calls it must make, in order.
#pragma once

#include <string>
#include <vector>

#include "command_scenario.h"
#include "select/name_list.h"

namespace pickwell::fuzzing {

// Text up to its first NUL, parsed with `separators` and `trim_spaces`; else the paths of a
// file-drop list (only a file's own name unless the panel is a plug-in's).
NameList expected_clipboard_names(const CommandScenario& scenario, const std::u16string& separators,
                                  bool trim_spaces, bool plugin_panel);
// The same with the settings as the registry holds them.
NameList expected_names(const CommandScenario& scenario);

// The calls as the fake host records them; the panel record's address is left as 0. Selections
// are counted with PlainMatcher, the rule of comparing every name with every item.
std::vector<testing::HostCall> expected_calls(const CommandScenario& scenario,
                                              const NameList& names, const Collation& collation);

}  // namespace pickwell::fuzzing
