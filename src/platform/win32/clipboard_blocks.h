// Pure readers of clipboard blocks. Every read stays inside the block the system handed over,
// whatever the block claims about itself.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pickwell {

// The text of a CF_UNICODETEXT block: its UTF-16 code units up to the first NUL, or up to the
// end of the block when it holds none. A trailing odd byte is not part of any code unit.
std::u16string text_from_block(std::span<const std::byte> block);

using AnsiDecoder = std::function<std::u16string(std::string_view)>;

// The paths of a CF_HDROP block (a DROPFILES header followed by a list of NUL-terminated paths
// that ends with an empty one), wide or, for old programs, in the ANSI code page. A header that
// does not fit, an offset past the end or a path cut off by the end of the block ends the list:
// a cut-off path must not stand for a file whose name happens to be its prefix.
std::vector<std::u16string> paths_from_drop_block(std::span<const std::byte> block,
                                                  const AnsiDecoder& decode_ansi);

}  // namespace pickwell
