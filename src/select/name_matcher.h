// Decides how many names of the list match one panel item.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/active_panel.h"
#include "platform/collation.h"
#include "select/lookup_names.h"
#include "select/name_list.h"

namespace pickwell {

// An item's name, and its part after the last separator (the whole name when it has none),
// found in one pass.
struct NameParts {
    std::u16string_view whole;
    std::u16string_view leaf;
};
NameParts parts_of(const char16_t* file_name, char16_t separator);

class NameMatcher {
  public:
    virtual ~NameMatcher() = default;
    // The number of names that match the item; each one marks the item once. Not const: a
    // matcher may keep working buffers from item to item.
    virtual std::size_t count_matches(const ItemNames& item) = 0;
};

// Compares every name with the item, in list order, by what it is looked up by (LookupNames): a
// text with a path separator against the item's whole name, any other against its leaf; without
// case, the short name is a second chance.
class PlainMatcher final : public NameMatcher {
  public:
    // `names` must outlive the matcher.
    PlainMatcher(const NameList& names, CaseRule rule, const Collation& collation,
                 PathSyntax paths);
    std::size_t count_matches(const ItemNames& item) override;

  private:
    struct Candidate {
        std::u16string_view text;
        bool has_separator;
    };
    LookupNames lookup_;
    std::vector<Candidate> candidates_;
    CaseRule rule_;
    char16_t separator_;
    const Collation& collation_;
};

}  // namespace pickwell
