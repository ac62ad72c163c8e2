#include "plain_rule.h"

#include <windows.h>

namespace wine_test {
namespace {

const wchar_t* wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

}  // namespace

std::vector<int> plain_counts(const std::vector<pickwell::testing::FakeItem>& items,
                              const std::vector<std::u16string>& names, bool case_sensitive,
                              ParentEntry parent_entry) {
    const bool skipped = parent_entry == ParentEntry::NeverSelected;
    std::vector<int> counts;
    for (const auto& item : items) {
        const std::u16string whole = item.name.value_or(u"");
        const std::u16string leaf = whole.substr(whole.rfind(u'\\') + 1);
        const std::u16string short_name = item.short_name.value_or(u"");
        int matches = 0;
        for (const auto& name : names) {
            if (skipped && (whole == u".." || name == u"." || name == u"..")) {
                continue;
            }
            const std::u16string& target = name.find(u'\\') != std::u16string::npos ? whole : leaf;
            if (case_sensitive ? lstrcmpW(wide(name), wide(target)) == 0
                               : lstrcmpiW(wide(name), wide(target)) == 0 ||
                                     lstrcmpiW(wide(name), wide(short_name)) == 0) {
                ++matches;
            }
        }
        counts.push_back(matches);
    }
    return counts;
}

}  // namespace wine_test
