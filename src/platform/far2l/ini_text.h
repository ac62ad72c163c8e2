// The INI dialect of far2l's settings files, as pure text in and text out: `[Section]` lines,
// `key=value` lines, UTF-8. A value that would not survive as it stands (one with CR, LF or NUL,
// one that begins or ends with a blank, or one that begins and ends with `"`) is written in
// double quotes with C escapes (\r \n \t \0 \\).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pickwell {

struct IniValue {
    std::string key;
    std::string value;  // as the program holds it, not yet quoted
};

// The value of `key` in `section` (its first line where it has several), unquoted; nothing when
// it is not there. Lines that are neither a section nor a key are skipped.
std::optional<std::string> ini_value(std::string_view text, std::string_view section,
                                     std::string_view key);

// `text` with `values` set in `section`: a key's first line is rewritten in place and its other
// lines dropped, a missing key is added at the end of the section's first block, a missing
// section at the end of the text. Every other line is kept as it was.
std::string with_ini_values(std::string_view text, std::string_view section,
                            std::span<const IniValue> values);

// A value as a line holds it, and back.
std::string ini_encoded(std::string_view value);
std::string ini_decoded(std::string_view stored);

}  // namespace pickwell
