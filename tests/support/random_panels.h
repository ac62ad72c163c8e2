// Seeded random panels and name lists in which names that the platform's comparison finds equal
// are often spelled differently: case variants, "ß" and "ss", precomposed and decomposed accents,
// soft hyphens, folders before a backslash, full paths, spaces inside names, duplicates, short
// names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pickwell::testing {

struct RandomItem {
    std::u16string name;
    std::u16string short_name;  // often empty, as most items have none
};

struct RandomPanel {
    std::vector<RandomItem> items;
    // Never empty, never starting or ending with a space and free of control characters and
    // quotation marks, so that one per line they parse back unchanged.
    std::vector<std::u16string> names;
};

// The same seed gives the same panel on every platform.
RandomPanel random_panel(std::uint32_t seed, std::size_t max_items, std::size_t max_names);

}  // namespace pickwell::testing
