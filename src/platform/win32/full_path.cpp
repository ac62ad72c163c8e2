#include "platform/win32/full_path.h"

namespace pickwell {
namespace {

char16_t ascii_lower(char16_t unit) {
    return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + (u'a' - u'A')) : unit;
}

bool is_drive_root(std::u16string_view text) {
    return text.size() >= 3 && ascii_lower(text[0]) >= u'a' && ascii_lower(text[0]) <= u'z' &&
           text[1] == u':' && text[2] == u'\\';
}

bool starts_with_unc(std::u16string_view text) {
    return text.size() >= 4 && ascii_lower(text[0]) == u'u' && ascii_lower(text[1]) == u'n' &&
           ascii_lower(text[2]) == u'c' && text[3] == u'\\';
}

// Past `count` names from `at` on, each ended by a backslash; the end of `text` when it ends
// first; 0 when a name is empty.
std::size_t past_names(std::u16string_view text, std::size_t at, int count) {
    for (; count > 0; --count) {
        const std::size_t end = text.find(u'\\', at);
        if (end == std::u16string_view::npos) {
            return text.size();
        }
        if (end == at) {
            return 0;
        }
        at = end + 1;
    }
    return at;
}

}  // namespace

std::size_t windows_full_path_root(std::u16string_view text) {
    if (is_drive_root(text)) {
        return 3;
    }
    if (!text.starts_with(u"\\\\")) {
        return 0;
    }
    if (text.size() >= 4 && (text[2] == u'?' || text[2] == u'.') && text[3] == u'\\') {
        const std::u16string_view device = text.substr(4);
        if (is_drive_root(device)) {
            return 4 + 3;
        }
        if (starts_with_unc(device)) {
            return past_names(text, 4 + 4, 2);
        }
        return past_names(text, 4, 1);
    }
    return past_names(text, 2, 2);
}

}  // namespace pickwell
