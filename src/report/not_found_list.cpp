#include "report/not_found_list.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace pickwell {
namespace {

constexpr char16_t kQuote = u'"';
constexpr char16_t kEllipsis = u'\u2026';
constexpr char16_t kByteOrderMark = u'\uFEFF';

bool is_control(char16_t unit) {
    return unit < 0x20;
}
bool is_high_surrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool is_low_surrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

std::u16string number_of(char16_t unit) {
    constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    std::u16string text = u"<U+";
    for (int shift = 12; shift >= 0; shift -= 4) {
        text += kDigits[(unit >> shift) & 0xF];
    }
    return text + u'>';
}

// The character of `name` that starts at `at` (a unit, or a surrogate pair), made visible and
// appended to `shown`; returns the units it takes in `name`.
std::size_t append_visible(std::u16string& shown, std::u16string_view name, std::size_t at) {
    const char16_t unit = name[at];
    if (is_control(unit)) {
        shown += static_cast<char16_t>(0x2400 + unit);
    } else if (unit == 0x7F) {
        shown += u'\u2421';
    } else if ((unit >= 0x80 && unit <= 0x9F) || unit == 0x2028 || unit == 0x2029) {
        shown += number_of(unit);
    } else if (is_high_surrogate(unit) && at + 1 < name.size() && is_low_surrogate(name[at + 1])) {
        shown += name.substr(at, 2);
        return 2;
    } else if (is_high_surrogate(unit) || is_low_surrogate(unit)) {
        shown += number_of(unit);
    } else {
        shown += unit;
    }
    return 1;
}

// Where the character of `name` that ends at `end` starts: a low surrogate after a high one
// ends a pair.
std::size_t start_of_character_before(std::u16string_view name, std::size_t end) {
    return end >= 2 && is_low_surrogate(name[end - 1]) && is_high_surrogate(name[end - 2])
               ? end - 2
               : end - 1;
}

// Where the `count`th character of `text` starts, a surrogate pair counting as one.
std::size_t unit_of_character(std::u16string_view text, std::size_t count) {
    std::size_t at = 0;
    for (; at < text.size() && count > 0; --count) {
        at += is_high_surrogate(text[at]) && at + 1 < text.size() ? 2 : 1;
    }
    return at;
}

std::size_t characters_in(std::u16string_view text) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); ++count) {
        at += is_high_surrogate(text[at]) && at + 1 < text.size() ? 2 : 1;
    }
    return count;
}

}  // namespace

std::u16string shown_name(std::u16string_view name, std::size_t width) {
    // Only as much of the name is made visible as the line can show: its start until it is
    // wider than the line, then, if the name goes on, as much of its end as is kept.
    std::u16string start;
    std::size_t characters = 0;
    std::size_t at = 0;
    while (at < name.size() && characters <= width) {
        const std::size_t shown_before = start.size();
        at += append_visible(start, name, at);
        characters += characters_in(std::u16string_view(start).substr(shown_before));
    }
    if (characters <= width) {
        return start;
    }
    if (width < 3) {  // no room for both ends and the ellipsis
        return start.substr(0, unit_of_character(start, width));
    }
    // More of the start than of the end: the start tells names apart, the end their kind.
    const std::size_t kept = width - 1;
    const std::size_t head = kept - kept * 2 / 5;
    const std::size_t tail = kept - head;
    // The end, a character at a time from the last; the name is wider than the line, so the
    // end never reaches into the head.
    std::vector<std::u16string> pieces;
    std::size_t end_characters = 0;
    for (std::size_t end = name.size(); end_characters < tail;) {
        const std::size_t from = start_of_character_before(name, end);
        std::u16string piece;
        append_visible(piece, name, from);
        end_characters += characters_in(piece);
        pieces.push_back(std::move(piece));
        end = from;
    }
    std::u16string ending;
    for (auto piece = pieces.rbegin(); piece != pieces.rend(); ++piece) {
        ending += *piece;
    }
    return start.substr(0, unit_of_character(start, head)) + kEllipsis +
           ending.substr(unit_of_character(ending, end_characters - tail));
}

std::optional<std::u16string> quoted_for_parser(std::u16string_view name,
                                                std::u16string_view separators, bool trim_spaces) {
    // A quotation mark first always opens a quoted name, and a control character always ends
    // a name.
    if (name.empty() || name.front() == kQuote ||
        std::any_of(name.begin(), name.end(), is_control)) {
        return std::nullopt;
    }
    const auto separates = [&](char16_t unit) {
        return separators.find(unit) != std::u16string_view::npos;
    };
    // far2l's clipboard drops a byte order mark that starts its text: in quotes it is the
    // name's.
    const bool parsed_apart = name.front() == kByteOrderMark ||
                              std::any_of(name.begin(), name.end(), separates) ||
                              (trim_spaces && (name.front() == u' ' || name.back() == u' '));
    if (!parsed_apart) {
        return std::u16string(name);
    }
    // Quotes keep spaces, extra separators and a byte order mark; not a quotation mark inside
    // them, nor anything when the quotation mark itself separates.
    if (separates(kQuote) || name.find(kQuote) != std::u16string_view::npos) {
        return std::nullopt;
    }
    std::u16string quoted;
    quoted.reserve(name.size() + 2);
    quoted += kQuote;
    quoted += name;
    quoted += kQuote;
    return quoted;
}

ParserText text_for_parser(const NameList& names, std::span<const std::size_t> which,
                           std::u16string_view separators, bool trim_spaces,
                           std::u16string_view line_break) {
    ParserText written;
    for (const std::size_t index : which) {
        if (const auto name = quoted_for_parser(names[index], separators, trim_spaces)) {
            written.text += *name;
            written.text += line_break;
        } else {
            ++written.left_out;
        }
    }
    return written;
}

std::u16string with_numbers(std::u16string_view text, std::size_t first, std::size_t second) {
    const auto decimal = [](std::size_t number) {
        std::u16string digits;
        do {
            digits.insert(digits.begin(), static_cast<char16_t>(u'0' + number % 10));
            number /= 10;
        } while (number != 0);
        return digits;
    };
    std::u16string result;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == u'%' && at + 1 < text.size() &&
            (text[at + 1] == u'1' || text[at + 1] == u'2')) {
            result += decimal(text[at + 1] == u'1' ? first : second);
            ++at;
        } else {
            result += text[at];
        }
    }
    return result;
}

}  // namespace pickwell
