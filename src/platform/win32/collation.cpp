#include "platform/win32/collation.h"

#include <algorithm>
#include <array>
#include <climits>
#include <vector>

#include "platform/key_hash.h"
#include "platform/win32/windows_api.h"

namespace pickwell {

bool Win32Collation::equal(std::u16string_view a, std::u16string_view b, CaseRule rule) const {
    return order(a, b, rule) == 0;
}

int Win32Collation::order(std::u16string_view a, std::u16string_view b, CaseRule rule) const {
    const auto compare = rule == CaseRule::Sensitive ? lstrcmpW : lstrcmpiW;
    return compare(win32::wide(a.data()), win32::wide(b.data()));
}

std::optional<std::uint64_t> Win32Collation::sort_key_hash(std::u16string_view text,
                                                           CaseRule rule) const {
    if (text.size() > INT_MAX) {
        return std::nullopt;
    }
    // lstrcmpW and lstrcmpiW compare in the thread's locale, the latter with NORM_IGNORECASE.
    const LCID locale = GetThreadLocale();
    const DWORD flags = LCMAP_SORTKEY | (rule == CaseRule::Insensitive ? NORM_IGNORECASE : 0);
    // An empty source must be given as a C string: a length of zero is refused.
    const char16_t* source = text.empty() ? u"" : text.data();
    const int source_length = text.empty() ? -1 : static_cast<int>(text.size());
    // The key is bytes; the sizes LCMapStringW takes for it and gives count bytes.
    const auto map_into = [&](char16_t* room, std::size_t bytes) {
        return LCMapStringW(locale, flags, win32::wide(source), source_length, win32::wide(room),
                            static_cast<int>(std::min<std::size_t>(bytes, INT_MAX)));
    };

    // Most keys fit here; only a longer one asks for its size.
    std::array<char16_t, 256> room;
    std::vector<char16_t> large_room;
    char16_t* key = room.data();
    int bytes = map_into(key, sizeof room);
    if (bytes == 0) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
            return std::nullopt;
        }
        const int needed =
            LCMapStringW(locale, flags, win32::wide(source), source_length, nullptr, 0);
        if (needed <= 0) {
            return std::nullopt;
        }
        large_room.resize((static_cast<std::size_t>(needed) + 1) / 2);
        key = large_room.data();
        bytes = map_into(key, large_room.size() * 2);
        if (bytes == 0) {
            return std::nullopt;
        }
    }
    return hash_of_bytes(reinterpret_cast<const unsigned char*>(key),
                         static_cast<std::size_t>(bytes));
}

}  // namespace pickwell
