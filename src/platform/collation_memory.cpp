#include "platform/collation_memory.h"

namespace pickwell {

char16_t fold_case(char16_t c) {
    const auto in = [c](char16_t first, char16_t last) { return c >= first && c <= last; };
    if (in(u'A', u'Z') || (in(0x00C0, 0x00DE) && c != 0x00D7) || in(0x0391, 0x03AB) ||
        in(0x0410, 0x042F)) {
        return static_cast<char16_t>(c + 0x20);
    }
    if (in(0x0400, 0x040F)) {
        return static_cast<char16_t>(c + 0x50);
    }
    return c;
}

bool MemoryCollation::equal(const char16_t* a, const char16_t* b, CaseRule rule) const {
    for (;; ++a, ++b) {
        const char16_t x = rule == CaseRule::Insensitive ? fold_case(*a) : *a;
        const char16_t y = rule == CaseRule::Insensitive ? fold_case(*b) : *b;
        if (x != y) {
            return false;
        }
        if (x == u'\0') {
            return true;
        }
    }
}

}  // namespace pickwell
