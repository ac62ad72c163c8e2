// The match rule as written, with the system's own comparison: every item compared with every
// name by lstrcmpW or lstrcmpiW. What the module counts must equal what this counts.
#pragma once

#include <string>
#include <vector>

#include "support/far2/fake_host.h"

namespace wine_test {

// What a module makes of the parent entry: Far 2's compares the item `..` like any other;
// Far 3's never selects it, and takes no name `.` or `..`.
enum class ParentEntry { LikeAnyItem, NeverSelected };

// FCTL_SETSELECTION calls per item: one per matching name.
std::vector<int> plain_counts(const std::vector<pickwell::testing::FakeItem>& items,
                              const std::vector<std::u16string>& names, bool case_sensitive,
                              ParentEntry parent_entry);

}  // namespace wine_test
