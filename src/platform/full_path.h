// How a system writes the root of a full path, the start that makes a path name a file wherever
// the path is read.
#pragma once

#include <cstddef>
#include <string_view>

namespace pickwell {

// How many units of `text` its root takes (`C:\`, `\\server\share\`, `/`), separator included;
// 0 when `text` starts with no root. A root that `text` leaves unfinished (`\\server\share`)
// takes all of it. Every root holds the system's path separator.
using FullPathRoot = std::size_t (*)(std::u16string_view text);

}  // namespace pickwell
