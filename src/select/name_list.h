#pragma once

#include <string>
#include <vector>

namespace pickwell {

// Candidate names in the order they were found, duplicates included, never an empty one.
using NameList = std::vector<std::u16string>;

}  // namespace pickwell
