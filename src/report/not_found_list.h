// The names no item matched, as the list shows them and as its copy on the clipboard holds them.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "select/name_list.h"

namespace pickwell {

// The name as one line of the list: each control character shown by its picture (U+2400 to
// U+241F for U+0000 to U+001F, U+2421 for DEL), and each other character that would not show or
// would break the line (C1 controls, the line and paragraph separators, an unpaired surrogate) by
// its number, as <U+0085>; then, if it is wider than `width` characters, shortened in the middle
// with an ellipsis, so that both its start and its end (most often its extension) show.
std::u16string shown_name(std::u16string_view name, std::size_t width);

// One name as the clipboard text parser reads it back with `separators` and `trim_spaces`: as it
// is, or in quotation marks where the parser would otherwise change it (a leading or trailing
// space it would trim, an extra separator) or a host's clipboard would (a byte order mark
// first). Nothing when no text can hold the name so: a quotation mark first, a control
// character anywhere, or a name that needs quotes but holds a quotation mark, or whose
// quotation mark is a separator.
std::optional<std::u16string> quoted_for_parser(std::u16string_view name,
                                                std::u16string_view separators, bool trim_spaces);

// The copy of a list: the names it can hold, and how many it cannot.
struct ParserText {
    std::u16string text;
    std::size_t left_out = 0;
};

// The names of `names` at `which`, each quoted for the parser, one a line, each line ended with
// `line_break`; those no text can hold are left out.
ParserText text_for_parser(const NameList& names, std::span<const std::size_t> which,
                           std::u16string_view separators, bool trim_spaces,
                           std::u16string_view line_break);

// `text` with "%1" replaced by `first` and "%2" by `second`, in decimal.
std::u16string with_numbers(std::u16string_view text, std::size_t first, std::size_t second = 0);

}  // namespace pickwell
