// Turns clipboard text into candidate names: one per line, or separated by the user's extra
// characters, each optionally in quotation marks to keep spaces or separators.
#pragma once

#include <string>
#include <string_view>

#include "select/name_list.h"

namespace pickwell {

// `text` counts up to its first NUL. With `trim_spaces`, spaces before a name and at the end of
// an unquoted name are dropped. Control characters always separate and end a quoted name. The
// names are cut out of `text` in place: the list keeps its buffer.
NameList parse_names(std::u16string text, std::u16string_view extra_separators, bool trim_spaces);

}  // namespace pickwell
