// The three settings: their names in every store, and what a missing one means.
#pragma once

#include <cstdint>

namespace pickwell {

inline constexpr const char16_t* kAddSeparators = u"AddSeparators";
inline constexpr const char16_t* kCaseSensitive = u"CaseSensitive";
inline constexpr const char16_t* kTrimSpaces = u"TrimSpaces";

// Extra separators: none. Any non-zero number turns a flag on.
inline constexpr int kCaseSensitiveDefault = 0;
inline constexpr int kTrimSpacesDefault = 1;

}  // namespace pickwell
