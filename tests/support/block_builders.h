// Clipboard blocks as other programs put them on the clipboard.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pickwell::testing {

// A CF_HDROP block: the DROPFILES header, then the paths, wide or ANSI, ending with an empty one.
std::vector<std::byte> drop_block(const std::vector<std::u16string>& paths, bool wide = true);
std::vector<std::byte> bytes_of(std::u16string_view text);  // code units, no terminator

}  // namespace pickwell::testing
