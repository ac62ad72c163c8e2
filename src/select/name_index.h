// Counts the names that match a panel item without comparing the item with every name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/collation.h"
#include "select/name_list.h"
#include "select/name_matcher.h"

namespace pickwell {

// Counts exactly what PlainMatcher counts. The names are bucketed by a hash of the collation's
// sort key, so an item is compared, with the real comparison, only with the names whose bucket
// its leaf, whole or short name falls in. A name or an item name without a key is compared with
// everything on the other side.
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
    // Entries [first, first + count) of a group.
    struct Run {
        std::uint32_t first = 0;
        std::uint32_t count = 0;
    };
    // A bucket of the open-addressed table; empty while its run is.
    struct Slot {
        std::uint64_t key_hash = 0;
        Run run;
    };
    // The names compared with one target of an item: the whole name or the leaf.
    struct Group {
        std::vector<Entry> entries;
        std::vector<Slot> slots;  // a power of two of them, at most half in use
        // One bit per key hash, a power of two of them, eight or more per name: most items
        // match no name, and this small map tells so without a look into the large table.
        std::vector<std::uint64_t> seen;
        Run keyless;  // the names without a key
    };
    // An item name's key, computed into a buffer that lives as long as the matcher.
    struct ItemKey {
        std::u16string key;
        std::uint64_t hash = 0;
        bool known = false;
    };

    void fill(Group& group, const std::vector<const char16_t*>& names);
    // Sorts the run and merges equal spellings into one entry with their copies added.
    static void merge_spellings(std::vector<Entry>& entries, Run& run);
    static const Run* run_of(const Group& group, std::uint64_t key_hash);
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
