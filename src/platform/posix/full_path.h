// The root of a full POSIX path.
#pragma once

#include <cstddef>
#include <string_view>

namespace pickwell {

// A FullPathRoot: the slash a full path starts with.
std::size_t posix_full_path_root(std::u16string_view text);

}  // namespace pickwell
