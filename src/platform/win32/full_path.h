// The roots of full Windows paths, read from the text alone.
#pragma once

#include <cstddef>
#include <string_view>

namespace pickwell {

// A FullPathRoot: a drive (`C:\`), a share (`\\server\share\`), and the same behind the prefix
// of the system's own paths (`\\?\C:\`, `\\?\UNC\server\share\`, `\\?\Volume{…}\`, and `\\.\`
// for `\\?\`). Only the backslash separates: `C:/dir/x` has no root.
std::size_t windows_full_path_root(std::u16string_view text);

}  // namespace pickwell
