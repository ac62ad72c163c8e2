// The clipboard text parser with any text, any extra separators and either trim flag. Whatever
// it is given, it must end, and every list it returns must hold:
// - no empty name and no name with a control character;
// - the names are pieces of the text, in the order they appear there;
// - a name holding an extra separator, or with trimming on a name that starts or ends with a
//   space, was quoted in the text (and quoting is impossible with a quotation mark among the
//   separators).
//
// Input: a flags byte (bit 0: trim spaces), a count n, n UTF-16LE units of extra separators,
// then the text as UTF-16LE units (an odd last byte is dropped).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "require.h"
#include "select/name_parser.h"

namespace {

using pickwell::fuzzing::require;

std::u16string units_of(const std::uint8_t* data, std::size_t bytes) {
    std::u16string units(bytes / sizeof(char16_t), u'\0');
    if (!units.empty()) {
        std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    }
    return units;
}

bool is_control(char16_t c) {
    return c >= 0x01 && c <= 0x1F;
}

bool must_be_quoted(std::u16string_view name, std::u16string_view extras, bool trim) {
    const bool holds_separator = name.find_first_of(extras) != std::u16string_view::npos;
    const bool edge_space = name.front() == u' ' || name.back() == u' ';
    return holds_separator || (trim && edge_space);
}

// The earliest place at or after `from` where `name` stands in `text` as it must: right after a
// quotation mark when it must have been quoted. Taking the earliest one leaves the most room for
// the names after it, so the names fit the text in order exactly when this finds each of them.
std::size_t place_of(std::u16string_view text, std::u16string_view name, std::size_t from,
                     bool quoted) {
    for (std::size_t at = text.find(name, from); at != std::u16string_view::npos;
         at = text.find(name, at + 1)) {
        if (!quoted || (at > 0 && text[at - 1] == u'"')) {
            return at;
        }
    }
    return std::u16string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const bool trim = (data[0] & 1) != 0;
    const std::size_t extras_bytes = std::min<std::size_t>(data[1] * sizeof(char16_t), size - 2);
    const std::u16string extras = units_of(data + 2, extras_bytes);
    const std::u16string text = units_of(data + 2 + extras_bytes, size - 2 - extras_bytes);

    const pickwell::NameList names = pickwell::parse_names(text, extras, trim);

    const std::u16string_view counted = std::u16string_view(text).substr(0, text.find(u'\0'));
    const bool quoting_possible = extras.find(u'"') == std::u16string::npos;
    std::size_t next = 0;
    for (const std::u16string_view name : names) {
        require(!name.empty(), "no empty name");
        require(std::none_of(name.begin(), name.end(), is_control),
                "no name holds a control character");
        const bool quoted = must_be_quoted(name, extras, trim);
        require(!quoted || quoting_possible,
                "only a quoted name holds a separator or edge spaces, and nothing is quoted "
                "with a quotation mark among the separators");
        const std::size_t at = place_of(counted, name, next, quoted);
        require(at != std::u16string_view::npos,
                "the names are pieces of the text in order, the ones that need it quoted");
        next = at + name.size();
    }
    return 0;
}
