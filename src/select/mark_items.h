// The selection pass over the active panel's items.
#pragma once

#include <cstddef>

#include "core/active_panel.h"
#include "select/name_matcher.h"
#include "select/parent_entry.h"

namespace pickwell {

// Fetches the items one at a time and marks each once for every name of `matcher` it matches.
// Items the host cannot give are skipped, and so is the parent entry where the host never
// selects it. The number of items marked at least once.
std::size_t mark_matching_items(ActivePanel& panel, std::size_t items, NameMatcher& matcher,
                                ParentEntry parent_entry);

}  // namespace pickwell
