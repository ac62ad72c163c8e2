#include "select/name_matcher.h"

namespace pickwell {

NameParts parts_of(const char16_t* file_name, char16_t separator) {
    const char16_t* leaf = file_name;
    const char16_t* end = file_name;
    for (; *end != u'\0'; ++end) {
        if (*end == separator) {
            leaf = end + 1;
        }
    }
    return {{file_name, static_cast<std::size_t>(end - file_name)},
            {leaf, static_cast<std::size_t>(end - leaf)}};
}

PlainMatcher::PlainMatcher(const NameList& names, CaseRule rule, const Collation& collation,
                           PathSyntax paths)
    : lookup_(names, paths), rule_(rule), separator_(paths.separator), collation_(collation) {
    candidates_.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        candidates_.push_back({lookup_[i], lookup_.has_separator(i)});
    }
}

std::size_t PlainMatcher::count_matches(const ItemNames& item) {
    const NameParts parts = parts_of(item.file_name, separator_);
    const std::u16string_view short_name = item.short_name;
    std::size_t matches = 0;
    for (const Candidate& name : candidates_) {
        const std::u16string_view target = name.has_separator ? parts.whole : parts.leaf;
        if (collation_.equal(name.text, target, rule_) ||
            (rule_ == CaseRule::Insensitive && collation_.equal(name.text, short_name, rule_))) {
            ++matches;
        }
    }
    return matches;
}

}  // namespace pickwell
