// What the Far 3 module's command must do in a scenario, worked out apart from the module: the
// settings as it must read them, the names it must take and the host calls it must make.
#pragma once

#include <string>
#include <vector>

#include "command_scenario.h"
#include "platform/collation.h"
#include "select/name_list.h"

namespace pickwell::fuzzing {

// A failed store reads as the defaults; a number as it is, a text up to its first NUL; a value
// of the other type as the host's database converts it. The separators as the command takes
// them: without the halves of characters outside the BMP.
struct Far3SettingsAsRead {
    std::u16string separators;
    bool trim_spaces;
    bool case_sensitive;
};
Far3SettingsAsRead far3_settings_as_read(const Far3CommandScenario& scenario);

// The calls as the fake host records them. Selections are counted with PlainMatcher, the rule
// of comparing every name with every item, but for the parent entry `..`, which is never
// selected, and the names `.` and `..`, which are none.
std::vector<testing::Far3Call> far3_expected_calls(const Far3CommandScenario& scenario,
                                                   const Collation& collation);

}  // namespace pickwell::fuzzing
