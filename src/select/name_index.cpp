#include "select/name_index.h"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>
#include <numeric>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <type_traits>
#include <utility>

#include "select/prefetch.h"

namespace pickwell {
namespace {

// The part of a key hash a slot keeps, its top bits: the position in the table comes from the
// low ones.
template <typename Slot>
std::uint32_t tag_of(std::uint64_t hash) {
    return static_cast<std::uint32_t>(hash >> (64 - (32 - Slot::kLengthBits)));
}

// The slot of `hash`'s bucket, or the empty slot where it would go.
template <typename Slots>
auto& slot_for(Slots& slots, std::uint64_t hash) {
    using Slot = std::remove_cvref_t<decltype(slots[0])>;
    const std::size_t mask = slots.size() - 1;
    const std::uint32_t tag = tag_of<Slot>(hash);
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        if (slots[i].ref == 0 || slots[i].tag_and_length >> Slot::kLengthBits == tag) {
            return slots[i];
        }
    }
}

// Where a key hash sits in a group's bit map: bits of the hash the table does not start from.
struct SeenBit {
    std::size_t word;
    std::uint64_t mask;
};
SeenBit seen_bit(const std::vector<std::uint64_t>& seen, std::uint64_t hash) {
    const std::uint64_t bit = std::rotr(hash, 32) & (seen.size() * 64 - 1);
    return {static_cast<std::size_t>(bit / 64), std::uint64_t{1} << (bit % 64)};
}

// A name set aside while the table is built, with the slot it belongs to, and how many times
// the list holds it there in a row.
struct PlacedName {
    std::size_t slot;
    std::u16string_view text;
    std::size_t copies = 1;

    friend bool operator<(const PlacedName& a, const PlacedName& b) {
        return a.slot != b.slot ? a.slot < b.slot : a.text < b.text;
    }
};

// Sorts the names and calls `add(slot, first, end)` for each slot's names, in which equal
// spellings are then next to each other.
template <typename AddSlot>
void for_each_slot(std::vector<PlacedName>& names, AddSlot add) {
    std::sort(names.begin(), names.end());
    for (auto first = names.begin(); first != names.end();) {
        const auto end = std::find_if(
            first, names.end(), [&](const PlacedName& name) { return name.slot != first->slot; });
        add(first->slot, first, end);
        first = end;
    }
}

// A name of the list by its index, with the hash of its key (0 for all when some have none).
struct Keyed {
    std::uint64_t hash;
    std::size_t index;
};

// Sorts `names` by hash, keeping their order among equal hashes: a byte of the hash at a time,
// from the lowest, in time linear in the names whatever their hashes are.
void sort_by_hash(std::vector<Keyed>& names) {
    std::vector<Keyed> sorted(names.size());
    for (int shift = 0; shift < 64; shift += 8) {
        const auto digit = [shift](const Keyed& name) {
            return static_cast<std::size_t>(name.hash >> shift & 0xFF);
        };
        std::array<std::size_t, 257> starts{};
        for (const Keyed& name : names) {
            ++starts[digit(name) + 1];
        }
        if (std::find(starts.begin(), starts.end(), names.size()) != starts.end()) {
            continue;  // one byte for all: they stay as they are
        }
        std::partial_sum(starts.begin(), starts.end(), starts.begin());
        for (const Keyed& name : names) {
            sorted[starts[digit(name)]++] = name;
        }
        names.swap(sorted);
    }
}

}  // namespace

IndexedMatcher::IndexedMatcher(const NameList& names, CaseRule rule, const Collation& collation,
                               PathSyntax paths, NameTracking tracking)
    : names_(names),
      lookup_(names, paths),
      rule_(rule),
      collation_(collation),
      separator_(paths.separator),
      tracking_(tracking == NameTracking::On) {
    if (names.size() > std::numeric_limits<std::uint32_t>::max() / 2) {
        throw std::length_error("too many names to index");
    }
    if (tracking_) {
        key_hashes_.resize(names.size());
    }
    const std::size_t whole_names = lookup_.with_separator();
    fill(leaf_names_, names.size() - whole_names,
         [&](std::size_t i) { return !lookup_.has_separator(i); });
    fill(whole_names_, whole_names, [&](std::size_t i) { return lookup_.has_separator(i); });
}

template <typename Belongs>
void IndexedMatcher::fill(Group& group, std::size_t count, Belongs belongs) {
    if (count == 0) {
        return;
    }
    group.slots.resize(std::bit_ceil(count + count / 4 + 1));  // at most four in five in use
    group.seen.resize(std::bit_ceil(count * 8 / 64 + 1));
    // The names of buckets that receive a second one, and those without a key, are set aside
    // and sorted afterwards: equal spellings are compared once and count as often as the list
    // holds them.
    std::vector<PlacedName> crowded;
    std::vector<PlacedName> keyless;
    // A list often repeats a name line after line: the copies are counted where they stand,
    // not sorted one by one.
    const auto place = [](std::vector<PlacedName>& placed, std::size_t at,
                          std::u16string_view name) {
        if (!placed.empty() && placed.back().slot == at && placed.back().text == name) {
            ++placed.back().copies;
        } else {
            placed.push_back({at, name});
        }
    };
    const auto add = [&](std::size_t index, std::optional<std::uint64_t> key_hash) {
        const std::u16string_view name = lookup_[index];
        if (!key_hash) {
            place(keyless, 0, name);
            return;
        }
        const SeenBit bit = seen_bit(group.seen, *key_hash);
        group.seen[bit.word] |= bit.mask;
        Slot& slot = slot_for(group.slots, *key_hash);
        const auto at = static_cast<std::size_t>(&slot - group.slots.data());
        const std::uint32_t tag = tag_of<Slot>(*key_hash) << Slot::kLengthBits;
        const std::size_t start = lookup_.start_of(index);
        if (slot.ref == 0 && start < Slot::kRun - 1 && name.size() >> Slot::kLengthBits == 0) {
            slot = {tag | static_cast<std::uint32_t>(name.size()),
                    static_cast<std::uint32_t>(start + 1)};
            return;
        }
        if (slot.ref != 0 && (slot.ref & Slot::kRun) == 0) {
            place(crowded, at, single_name(slot));
        }
        slot = {tag, Slot::kRun};
        place(crowded, at, name);
    };
    // The slots of a large table are far apart in memory: the keys of a batch of names are
    // hashed and their slots requested first, so that the waits for them overlap.
    constexpr std::size_t kBatch = 16;
    std::size_t batch[kBatch];
    std::optional<std::uint64_t> key_hashes[kBatch];
    for (std::size_t next = 0; next < names_.size();) {
        std::size_t batched = 0;
        for (; batched < kBatch && next < names_.size(); ++next) {
            if (belongs(next)) {
                batch[batched++] = next;
            }
        }
        for (std::size_t i = 0; i < batched; ++i) {
            key_hashes[i] = collation_.sort_key_hash(lookup_[batch[i]], rule_);
            if (key_hashes[i]) {
                prefetch(&group.slots[*key_hashes[i] & (group.slots.size() - 1)]);
            }
            if (tracking_) {
                // The tally tells names apart as they are spelled.
                key_hashes_[batch[i]] = lookup_.by_part(batch[i])
                                            ? collation_.sort_key_hash(names_[batch[i]], rule_)
                                            : key_hashes[i];
            }
        }
        for (std::size_t i = 0; i < batched; ++i) {
            add(batch[i], key_hashes[i]);
        }
    }

    const auto merge = [](auto first, auto end, std::vector<Entry>& entries) {
        for (auto name = first; name != end; ++name) {
            if (name != first && name->text == entries.back().text) {
                entries.back().copies += name->copies;
            } else {
                entries.push_back({name->text, name->copies});
            }
        }
    };
    for_each_slot(crowded, [&](std::size_t at, auto first, auto end) {
        const auto run_first = static_cast<std::uint32_t>(group.entries.size());
        merge(first, end, group.entries);
        group.slots[at].ref = Slot::kRun | static_cast<std::uint32_t>(group.runs.size());
        group.runs.push_back(
            {run_first, static_cast<std::uint32_t>(group.entries.size()) - run_first});
    });
    for_each_slot(keyless,
                  [&](std::size_t, auto first, auto end) { merge(first, end, group.keyless); });
}

std::size_t IndexedMatcher::count_matches(const ItemNames& item) {
    const NameParts name = parts_of(item.file_name, separator_);
    const bool has_leaf_names = !leaf_names_.empty();
    const bool has_whole_names = !whole_names_.empty();
    if (!has_leaf_names && !has_whole_names) {
        return 0;
    }
    ItemName short_name = {u"", std::nullopt};  // compared only without case
    if (rule_ == CaseRule::Insensitive) {
        short_name.text = item.short_name;
        short_name.key_hash = collation_.sort_key_hash(short_name.text, rule_);
    }
    std::size_t matches = 0;
    std::optional<std::uint64_t> leaf_key_hash;
    if (has_leaf_names) {
        leaf_key_hash = collation_.sort_key_hash(name.leaf, rule_);
        matches += count_in(leaf_names_, {name.leaf, leaf_key_hash}, short_name);
    }
    if (has_whole_names) {
        // Without a separator, the whole name is the leaf.
        const bool whole_is_leaf = name.leaf.size() == name.whole.size() && has_leaf_names;
        matches +=
            count_in(whole_names_,
                     {name.whole,
                      whole_is_leaf ? leaf_key_hash : collation_.sort_key_hash(name.whole, rule_)},
                     short_name);
    }
    return matches;
}

std::u16string_view IndexedMatcher::single_name(const Slot& slot) const {
    const std::uint32_t length = slot.tag_and_length & ((1u << Slot::kLengthBits) - 1);
    return {names_.text_at(slot.ref - 1), length};
}

const IndexedMatcher::Slot* IndexedMatcher::slot_of(const Group& group, std::uint64_t key_hash) {
    const SeenBit bit = seen_bit(group.seen, key_hash);
    if ((group.seen[bit.word] & bit.mask) == 0) {
        return nullptr;
    }
    const Slot& slot = slot_for(group.slots, key_hash);
    return slot.ref == 0 ? nullptr : &slot;
}

std::size_t IndexedMatcher::count_in(const Group& group, const ItemName& target,
                                     const ItemName& short_name) {
    const bool second_chance = rule_ == CaseRule::Insensitive;
    std::size_t matches = 0;
    const auto count_name = [&](std::u16string_view name, std::size_t copies) {
        if (collation_.equal(name, target.text, rule_) ||
            (second_chance && collation_.equal(name, short_name.text, rule_))) {
            matches += copies;
            if (tracking_) {
                found_.add(name);
            }
        }
    };
    const auto count_entries = [&](const Entry* first, std::size_t count) {
        for (const Entry* name = first; name != first + count; ++name) {
            count_name(name->text, name->copies);
        }
    };
    const auto count_slot = [&](const Slot& slot) {
        if ((slot.ref & Slot::kRun) != 0) {
            const Run& run = group.runs[slot.ref & ~Slot::kRun];
            count_entries(group.entries.data() + run.first, run.count);
        } else if (slot.ref != 0) {
            count_name(single_name(slot), 1);
        }
    };

    if (!target.key_hash || (second_chance && !short_name.key_hash)) {
        // Without the item's key, any name may be equal to it.
        for (const Slot& slot : group.slots) {
            count_slot(slot);
        }
    } else {
        const Slot* target_slot = slot_of(group, *target.key_hash);
        if (target_slot != nullptr) {
            count_slot(*target_slot);
        }
        if (second_chance) {
            // A bucket holds each spelling once: one the leaf's bucket holds is not counted again.
            const Slot* short_slot = slot_of(group, *short_name.key_hash);
            if (short_slot != nullptr && short_slot != target_slot) {
                count_slot(*short_slot);
            }
        }
    }
    // Names without a key of their own could be equal to anything.
    count_entries(group.keyless.data(), group.keyless.size());
    return matches;
}

NameTally IndexedMatcher::tally() {
    NameTally tally;
    if (!tracking_) {
        return tally;
    }
    found_.done();
    // The names sorted so that equal ones stand together: by key hash, which equal names
    // share, then within a hash by the collation's order; without a key for some, by that
    // order alone. Both sorts keep list order among ties, so that each group of equal names
    // starts with its first.
    const bool all_keyed = std::all_of(key_hashes_.begin(), key_hashes_.end(),
                                       [](const auto& hash) { return hash.has_value(); });
    std::vector<Keyed> sorted(names_.size());
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        sorted[i] = {all_keyed ? *key_hashes_[i] : 0, i};
    }
    sort_by_hash(sorted);
    const auto level = [&](const Keyed& a, const Keyed& b) {
        return a.hash == b.hash && collation_.order(names_[a.index], names_[b.index], rule_) == 0;
    };
    // A merge sort stays within the names even were the system's order not consistent, as
    // std::sort need not.
    const auto before = [&](const Keyed& a, const Keyed& b) {
        return collation_.order(names_[a.index], names_[b.index], rule_) < 0;
    };
    for (auto first = sorted.begin(); first != sorted.end();) {
        const auto end = std::find_if(first + 1, sorted.end(),
                                      [&](const Keyed& name) { return name.hash != first->hash; });
        if (end - first > 1) {
            std::stable_sort(first, end, before);
        }
        first = end;
    }

    // Each group of equal names counts once, and is missing by its first spelling no item
    // matched.
    std::vector<bool> missing(names_.size());
    for (auto first = sorted.begin(); first != sorted.end();) {
        const auto end = std::find_if_not(first + 1, sorted.end(),
                                          [&](const Keyed& name) { return level(name, *first); });
        ++tally.distinct;
        const auto unmatched = std::find_if(
            first, end, [&](const Keyed& name) { return !found_.contains(lookup_[name.index]); });
        if (unmatched != end) {
            missing[unmatched->index] = true;
        }
        first = end;
    }
    for (std::size_t i = 0; i < missing.size(); ++i) {
        if (missing[i]) {
            tally.not_found.push_back(i);
        }
    }
    return tally;
}

}  // namespace pickwell
