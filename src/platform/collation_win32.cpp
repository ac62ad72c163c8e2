#include "platform/collation_win32.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "platform/windows_api.h"

namespace pickwell {

bool Win32Collation::equal(const char16_t* a, const char16_t* b, CaseRule rule) const {
    const auto compare = rule == CaseRule::Sensitive ? lstrcmpW : lstrcmpiW;
    return compare(win32::wide(a), win32::wide(b)) == 0;
}

bool Win32Collation::try_sort_key(const char16_t* text, CaseRule rule, std::u16string& key) const {
    // lstrcmpW and lstrcmpiW compare in the thread's locale, the latter with NORM_IGNORECASE.
    const LCID locale = GetThreadLocale();
    const DWORD flags = LCMAP_SORTKEY | (rule == CaseRule::Insensitive ? NORM_IGNORECASE : 0);
    // The key is bytes, kept two to a code unit; sizes given to LCMapStringW count bytes.
    const auto map_into_key = [&] {
        return LCMapStringW(locale, flags, win32::wide(text), -1, win32::wide(key.data()),
                            static_cast<int>(std::min<std::size_t>(key.size() * 2, INT_MAX)));
    };

    // Most keys fit the room the last one left; only a longer one asks for its size.
    key.resize(std::max<std::size_t>(key.capacity(), 64));
    int bytes = map_into_key();
    if (bytes == 0) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
            return false;
        }
        const int needed = LCMapStringW(locale, flags, win32::wide(text), -1, nullptr, 0);
        if (needed <= 0) {
            return false;
        }
        key.resize((static_cast<std::size_t>(needed) + 1) / 2);
        bytes = map_into_key();
        if (bytes == 0) {
            return false;
        }
    }
    const auto used = static_cast<std::size_t>(bytes);
    if (used % 2 != 0) {
        // The unused half of the last unit still holds an older key's byte.
        std::memset(reinterpret_cast<unsigned char*>(key.data()) + used, 0, 1);
    }
    key.resize((used + 1) / 2);
    return true;
}

}  // namespace pickwell
