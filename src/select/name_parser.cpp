#include "select/name_parser.h"

#include <memory>
#include <utility>
#include <vector>

#include "select/character_set.h"

namespace pickwell {
namespace {

constexpr char16_t kQuote = u'"';
constexpr char16_t kSpace = u' ';
constexpr char16_t kEnd = u'\0';  // the text ends at its first NUL

void add_control_characters(CharacterSet& set) {
    for (char16_t c = 0x01; c <= 0x1F; ++c) {
        set.add(c);
    }
}

struct ScanSets {
    CharacterSet separators;    // end an unquoted name
    CharacterSet quote_stops;   // end a quoted name
    CharacterSet leading_skip;  // skipped before every name

    ScanSets(std::u16string_view extra_separators, bool trim_spaces) {
        separators.add(extra_separators);
        add_control_characters(separators);
        add_control_characters(quote_stops);
        quote_stops.add(kQuote);
        leading_skip = separators;
        leading_skip.remove(kEnd);
        if (trim_spaces) {
            leading_skip.add(kSpace);
        }
        // Names stop at the end, which is then found where the next one would start.
        separators.add(kEnd);
        quote_stops.add(kEnd);
    }
};

// Both scans need no bound: the text ends with a NUL, which `leading_skip` lacks and the other
// sets hold.
std::size_t advance_over(const char16_t* text, std::size_t pos, const CharacterSet& set) {
    while (set.contains(text[pos])) {
        ++pos;
    }
    return pos;
}

std::size_t advance_until(const char16_t* text, std::size_t pos, const CharacterSet& set) {
    while (!set.contains(text[pos])) {
        ++pos;
    }
    return pos;
}

}  // namespace

NameList parse_names(std::u16string text_buffer, std::u16string_view extra_separators,
                     bool trim_spaces) {
    // Up to its first NUL, which the string's own terminator makes sure of.
    const char16_t* const text = text_buffer.c_str();
    if (text[0] == kEnd) {
        return {};
    }
    // Three sets of 8 KiB each: too large for the host thread's stack to take lightly.
    const auto sets = std::make_unique<const ScanSets>(extra_separators, trim_spaces);

    // The names are found first and cut out of the text afterwards: what follows a name, where
    // its NUL goes, is never part of the next one, but the scan must still see it.
    std::vector<NameList::Span> spans;
    std::size_t pos = 0;
    for (;;) {
        pos = advance_over(text, pos, sets->leading_skip);
        if (text[pos] == kEnd) {
            break;
        }
        std::size_t start = pos;
        bool closed = false;
        if (text[pos] == kQuote) {
            start = ++pos;
            pos = advance_until(text, pos, sets->quote_stops);
            closed = text[pos] == kQuote;
        } else {
            pos = advance_until(text, pos, sets->separators);
            while (trim_spaces && pos > start && text[pos - 1] == kSpace) {
                --pos;
            }
        }
        if (pos > start) {
            spans.push_back({start, pos - start});
        }
        if (closed) {
            ++pos;
        }
    }
    return NameList::cut_from(std::move(text_buffer), std::move(spans));
}

}  // namespace pickwell
