#include "select/name_matcher.h"

namespace pickwell {

const char16_t* leaf_of(const char16_t* file_name) {
    const char16_t* leaf = file_name;
    for (const char16_t* c = file_name; *c != u'\0'; ++c) {
        if (*c == u'\\') {
            leaf = c + 1;
        }
    }
    return leaf;
}

PlainMatcher::PlainMatcher(const NameList& names, CaseRule rule, const Collation& collation)
    : rule_(rule), collation_(collation) {
    candidates_.reserve(names.size());
    for (const std::u16string_view name : names) {
        candidates_.push_back({name.data(), name.find(u'\\') != std::u16string_view::npos});
    }
}

std::size_t PlainMatcher::count_matches(const ItemNames& item) {
    const char16_t* leaf = leaf_of(item.file_name);
    std::size_t matches = 0;
    for (const Candidate& name : candidates_) {
        const char16_t* target = name.has_backslash ? item.file_name : leaf;
        if (collation_.equal(name.text, target, rule_) ||
            (rule_ == CaseRule::Insensitive &&
             collation_.equal(name.text, item.short_name, rule_))) {
            ++matches;
        }
    }
    return matches;
}

}  // namespace pickwell
