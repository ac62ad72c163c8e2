// The selection pass over the active panel's items.
#pragma once

#include "host/host_context.h"
#include "select/name_matcher.h"

namespace pickwell {

// Fetches the items one at a time and marks each once for every name of `matcher` it matches.
// Items the host cannot give are skipped.
void mark_matching_items(const HostContext& host, int items_number, NameMatcher& matcher);

}  // namespace pickwell
