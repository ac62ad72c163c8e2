// Counts the names that match a panel item without comparing the item with every name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/collation.h"
#include "select/found_spellings.h"
#include "select/lookup_names.h"
#include "select/name_list.h"
#include "select/name_matcher.h"

namespace pickwell {

// Whether a matcher keeps track of the names that match an item, for its tally.
enum class NameTracking { Off, On };

// The names of a list as the items met them.
struct NameTally {
    std::size_t distinct = 0;  // the names of the list, each distinct name counted once
    // The names that matched no item, by their index in the list: in list order, each distinct
    // name once (its first spelling).
    std::vector<std::size_t> not_found;
};

// Counts exactly what PlainMatcher counts. The names are bucketed by a hash of the collation's
// sort key of what they are looked up by, so an item is compared, with the real comparison, only
// with the names whose bucket its leaf, whole or short name falls in. A name or an item name
// without a key is compared with everything on the other side. The tally tells the names apart
// as they are spelled: two full paths of one file name are two names.
class IndexedMatcher final : public NameMatcher {
  public:
    // `names` must outlive the matcher. With tracking on, it also notes which names match an
    // item, for tally(); off, it pays nothing for that.
    IndexedMatcher(const NameList& names, CaseRule rule, const Collation& collation,
                   PathSyntax paths, NameTracking tracking = NameTracking::Off);
    std::size_t count_matches(const ItemNames& item) override;

    // The names that matched no item so far, and how many distinct names the list holds, both
    // under the matcher's case rule. Only with tracking on; O(names log names + matches log
    // matches) for any names, however many share a key hash.
    NameTally tally();

  private:
    // One spelling of the list, and how many times the list holds it.
    struct Entry {
        std::u16string_view text;
        std::size_t copies;
    };
    // Entries [first, first + count) of a group.
    struct Run {
        std::uint32_t first = 0;
        std::uint32_t count = 0;
    };
    // A bucket of the open-addressed table, small so that the table stays in the caches. Most
    // buckets hold one name, which the slot points at; a bucket of several spellings, or of
    // copies of one, or of a very long name, or of a name kept apart from the list, keeps them in
    // a run of entries.
    struct Slot {
        static constexpr std::uint32_t kRun = 0x8000'0000;
        static constexpr int kLengthBits = 12;

        // Bits of the key hash that the position does not use, above the length of the slot's
        // one name.
        std::uint32_t tag_and_length = 0;
        // 0: empty; kRun | i: runs[i]; otherwise 1 + where the name starts in the list.
        std::uint32_t ref = 0;
    };
    // The names compared with one target of an item: the whole name or the leaf.
    struct Group {
        std::vector<Slot> slots;  // a power of two of them, at most four in five in use
        // One bit per key hash, a power of two of them, eight or more per name: most items
        // match no name, and this small map tells so without a look into the large table.
        std::vector<std::uint64_t> seen;
        std::vector<Run> runs;       // of the buckets with several spellings or copies
        std::vector<Entry> entries;  // their spellings, bucket by bucket
        std::vector<Entry> keyless;  // the names without a key

        bool empty() const { return slots.empty(); }  // sized whenever there are names
    };
    // One of an item's names, and the hash of its key if it has one.
    struct ItemName {
        std::u16string_view text;
        std::optional<std::uint64_t> key_hash;
    };

    // Indexes the names of the list for which `belongs(index)` holds; there are `count`.
    template <typename Belongs>
    void fill(Group& group, std::size_t count, Belongs belongs);
    static const Slot* slot_of(const Group& group, std::uint64_t key_hash);
    // The name of a slot that holds one.
    std::u16string_view single_name(const Slot& slot) const;
    std::size_t count_in(const Group& group, const ItemName& target, const ItemName& short_name);

    const NameList& names_;
    LookupNames lookup_;
    CaseRule rule_;
    const Collation& collation_;
    char16_t separator_;
    Group leaf_names_;   // no separator: compared with the item's leaf
    Group whole_names_;  // with a separator: compared with the item's whole name

    // Only with tracking on: each name's key hash, by index, and the looked-up spellings that
    // matched.
    bool tracking_;
    std::vector<std::optional<std::uint64_t>> key_hashes_;
    FoundSpellings found_;
};

}  // namespace pickwell
