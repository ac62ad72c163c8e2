// Text between the host's UTF-32 and the core's UTF-16. A UTF-32 unit that is no Unicode scalar
// value (above U+10FFFF, or a surrogate) has no UTF-16 form: each rule below says what it
// becomes, and none lets two of them turn into a valid surrogate pair.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace pickwell {

// What an invalid unit becomes in a host name: an unpaired low surrogate, which no text read
// from the clipboard can hold, so such a name never equals a name from there.
inline constexpr char16_t kInvalidInHostText = 0xDFFF;
// What an invalid unit becomes in clipboard text: a control character, which always ends a name.
inline constexpr char16_t kInvalidInClipboard = 0x0001;

constexpr bool is_scalar_value(char32_t c) {
    return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

// Appends `c` in UTF-16, or `invalid` when it is no scalar value.
void append_utf16(std::u16string& out, char32_t c, char16_t invalid);

// The text of a CF_UNICODETEXT block: its UTF-32 units up to the first NUL or the end of the
// block, one leading U+FEFF dropped, each invalid unit turned into kInvalidInClipboard. A
// trailing part of a unit is not read.
std::u16string text_from_utf32_block(std::span<const std::byte> block);

// A NUL-terminated host text (null reads as empty) into `out`, replacing what it held; invalid
// units become kInvalidInHostText.
void utf16_from_host(const char32_t* text, std::u16string& out);
std::u16string utf16_from_host(const char32_t* text);

// Core text for the host; an unpaired surrogate becomes U+FFFD.
std::u32string utf32_from_utf16(std::u16string_view text);

// The number of code points of `text`, an unpaired surrogate counting as one.
std::size_t code_points_in(std::u16string_view text);

}  // namespace pickwell
