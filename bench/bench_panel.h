// Panels and clipboard texts of a given size for the benchmarks.
#pragma once

#include <cstddef>
#include <string>

#include <vector>

#include "support/scripted_host.h"

namespace pickwell::bench {

// `count` items named like files of a big folder, each with a short name, in place of `items`.
void fill_panel(std::vector<testing::FakeItem>& items, std::size_t count);

// `count` names, one per line: every other one names an item of fill_panel in another case,
// the rest name nothing there.
std::u16string names_text(std::size_t count);

}  // namespace pickwell::bench
