// Seeded random far2l panels and name lists, full of names that far2l's comparison finds equal
// though spelled differently, and of near misses it must keep apart: case variants inside and
// outside the BMP, characters the host's upper case leaves alone, decomposed accents, folders
// before a slash, full paths, and items whose names hold invalid UTF-32.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pickwell::far2l_host {

struct RandomFar2lPanel {
    std::vector<std::u32string> items;
    // Never empty, never starting or ending with a space, free of control characters and
    // quotation marks: one per line they parse back unchanged.
    std::vector<std::u32string> names;
};

RandomFar2lPanel random_far2l_panel(std::uint32_t seed, std::size_t max_items,
                                    std::size_t max_names);

}  // namespace pickwell::far2l_host
