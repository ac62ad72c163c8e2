// Counts the names that match a panel item without comparing the item with every name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/collation.h"
#include "select/name_list.h"
#include "select/name_matcher.h"

namespace pickwell {

// Counts exactly what PlainMatcher counts. The names are bucketed by the collation's sort key,
// so an item is compared, with the real comparison, only with the names that share a key with
// its leaf, whole or short name. A name or an item name without a key falls back to being
// compared with everything on the other side.
class IndexedMatcher final : public NameMatcher {
  public:
    // `names` must outlive the matcher.
    IndexedMatcher(const NameList& names, CaseRule rule, const Collation& collation);
    std::size_t count_matches(const ItemNames& item) override;

  private:
    // One spelling of the list, and how many times the list holds it.
    struct Entry {
        const char16_t* text;
        std::size_t copies;
    };
    // The names compared with one target of an item: the whole name or the leaf.
    struct Group {
        // Bucket by bucket; the entries without a key come last.
        std::vector<Entry> entries;
        std::unordered_map<std::u16string, std::uint32_t> bucket_of_key;
        // Where each bucket starts in `entries`; the last one starts the keyless entries.
        std::vector<std::size_t> bucket_starts;
    };
    // An item name's key, computed into a buffer that lives as long as the matcher.
    struct ItemKey {
        std::u16string key;
        bool known = false;
    };

    Group make_group(const std::vector<Entry>& spellings) const;
    void compute(ItemKey& item_key, const char16_t* text) const;
    std::size_t count_in(const Group& group, const char16_t* target, const ItemKey& target_key,
                         const char16_t* short_name) const;

    CaseRule rule_;
    const Collation& collation_;
    Group leaf_names_;   // no backslash: compared with the item's leaf
    Group whole_names_;  // with a backslash: compared with the item's whole name
    ItemKey leaf_key_;
    ItemKey whole_key_;
    ItemKey short_key_;
};

}  // namespace pickwell
