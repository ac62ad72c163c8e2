#include "platform/collation_win32.h"

#include "platform/windows_api.h"

namespace pickwell {

bool Win32Collation::equal(const char16_t* a, const char16_t* b, CaseRule rule) const {
    const auto compare = rule == CaseRule::Sensitive ? lstrcmpW : lstrcmpiW;
    return compare(win32::wide(a), win32::wide(b)) == 0;
}

}  // namespace pickwell
