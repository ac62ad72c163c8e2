// Names crafted to share one key hash: a list a hostile sender could make so that every name
// lands in one bucket of the index.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/collation.h"

namespace pickwell::testing {

// `count` names of eight characters, no two equal, whose key hashes under `collation` and
// `rule` are all the same: the key hash is run backwards from the first name's. For a
// collation whose key is the text's own units (the in-memory and far2l ones); each character
// is one that such a key holds as it is, and that neither the clipboard text nor a host treats
// specially. Fewer names when the collation's key is of another kind.
std::vector<std::u16string> colliding_names(const Collation& collation, CaseRule rule,
                                            std::size_t count);

// `count` names of eight characters whose key hashes differ but, as a key hash without this
// process's secret would come out, share their low 20 bits: a list crafted to fill one stretch
// of a hash table that took its slots from those bits. The same kind of collation as above.
std::vector<std::u16string> crowding_names(const Collation& collation, CaseRule rule,
                                           std::size_t count);

}  // namespace pickwell::testing
