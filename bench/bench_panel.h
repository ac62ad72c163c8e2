// Panels and clipboard texts of a given size for the benchmarks.
#pragma once

#include <cstddef>
#include <string>

#include "fake_host.h"

namespace pickwell::bench {

// `count` items named like files of a big folder, each with a short name.
void fill_panel(testing::FakeHost& host, std::size_t count);

// `count` names, one per line: every other one names an item of fill_panel in another case,
// the rest name nothing there.
std::u16string names_text(std::size_t count);

}  // namespace pickwell::bench
