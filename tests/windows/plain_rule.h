// The match rule as written, with the system's own comparison: every item compared with every
// name by lstrcmpW or lstrcmpiW. What the module counts must equal what this counts.
#pragma once

#include <string>
#include <vector>

#include "support/far2/fake_host.h"

namespace wine_test {

// Whose rule: Far 2's module compares the item `..` like any other, and a text's every name with
// a backslash with the item's whole name. Far 3's never selects the item `..`, takes no name `.`
// or `..`, and looks a full path of a text (`C:\dir\x`, `\\server\share\x`) up by its file name
// on a file panel.
enum class Module { Far2, Far3 };

// FCTL_SETSELECTION calls per item of a file panel, for names taken from a text: one per
// matching name.
std::vector<int> plain_counts(const std::vector<pickwell::testing::FakeItem>& items,
                              const std::vector<std::u16string>& names, bool case_sensitive,
                              Module module);

}  // namespace wine_test
