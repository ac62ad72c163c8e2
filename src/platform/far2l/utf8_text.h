// Text between UTF-8, as files and URIs hold it, and the core's UTF-16.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pickwell {

// Nothing when `text` is not well-formed UTF-8: a stray or missing continuation byte, an
// overlong form, a surrogate or a code point above U+10FFFF.
std::optional<std::u16string> utf16_from_utf8(std::string_view text);

// An unpaired surrogate becomes U+FFFD.
std::string utf8_from_utf16(std::u16string_view text);

}  // namespace pickwell
