#include "select/name_index.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "select/unit_search.h"

namespace pickwell {
namespace {

// The part of a key hash a slot keeps: the position in the table comes from the other part.
std::uint32_t tag_of(std::uint64_t hash) {
    return static_cast<std::uint32_t>(hash >> 32);
}

// The slot of `hash`'s bucket, or the empty slot where it would go.
template <typename Slots>
auto& slot_for(Slots& slots, std::uint64_t hash) {
    const std::size_t mask = slots.size() - 1;
    const std::uint32_t tag = tag_of(hash);
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        if (slots[i].value == 0 || slots[i].tag == tag) {
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

// A name set aside while the table is built, with the slot it belongs to.
struct PlacedName {
    std::size_t slot;
    const char16_t* text;

    friend bool operator<(const PlacedName& a, const PlacedName& b) {
        return a.slot != b.slot ? a.slot < b.slot
                                : std::u16string_view(a.text) < std::u16string_view(b.text);
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

}  // namespace

IndexedMatcher::IndexedMatcher(const NameList& names, CaseRule rule, const Collation& collation)
    : rule_(rule), collation_(collation) {
    if (names.size() > std::numeric_limits<std::uint32_t>::max() / 2) {
        throw std::length_error("too many names to index");
    }
    std::vector<const char16_t*> leaf_names;
    std::vector<const char16_t*> whole_names;
    for (const std::u16string_view name : names) {
        const bool has_backslash = find_unit(name.data(), name.size(), u'\\') != name.size();
        (has_backslash ? whole_names : leaf_names).push_back(name.data());
    }
    fill(leaf_names_, leaf_names);
    fill(whole_names_, whole_names);
}

void IndexedMatcher::fill(Group& group, const std::vector<const char16_t*>& names) {
    if (names.empty()) {
        return;
    }
    group.slots.resize(std::bit_ceil(names.size() * 2));
    group.seen.resize(std::bit_ceil(names.size() * 8 / 64 + 1));
    // The names of buckets that receive a second one, and those without a key, are set aside
    // and sorted afterwards: equal spellings are compared once and count as often as the list
    // holds them.
    std::vector<PlacedName> crowded;
    std::vector<PlacedName> keyless;
    for (const char16_t* name : names) {
        const std::optional<std::uint64_t> key_hash = collation_.sort_key_hash(name, rule_);
        if (!key_hash) {
            keyless.push_back({0, name});
            continue;
        }
        const SeenBit bit = seen_bit(group.seen, *key_hash);
        group.seen[bit.word] |= bit.mask;
        Slot& slot = slot_for(group.slots, *key_hash);
        const auto at = static_cast<std::size_t>(&slot - group.slots.data());
        if (slot.value == 0) {
            slot = {name, tag_of(*key_hash), 1};
            continue;
        }
        if (slot.text != nullptr) {
            crowded.push_back({at, std::exchange(slot.text, nullptr)});
        }
        crowded.push_back({at, name});
    }

    const auto merge = [](auto first, auto end, std::vector<Entry>& entries) {
        for (auto name = first; name != end; ++name) {
            if (name != first && std::u16string_view(name->text) == entries.back().text) {
                ++entries.back().copies;
            } else {
                entries.push_back({name->text, 1});
            }
        }
    };
    for_each_slot(crowded, [&](std::size_t at, auto first, auto end) {
        Slot& slot = group.slots[at];
        const auto run_first = static_cast<std::uint32_t>(group.entries.size());
        merge(first, end, group.entries);
        const auto count = static_cast<std::uint32_t>(group.entries.size()) - run_first;
        if (count == 1) {
            // Copies of one spelling only: back into the slot.
            slot.text = group.entries.back().text;
            slot.value = static_cast<std::uint32_t>(group.entries.back().copies);
            group.entries.pop_back();
        } else {
            group.runs.push_back({run_first, count});
            slot.value = static_cast<std::uint32_t>(group.runs.size());
        }
    });
    for_each_slot(keyless,
                  [&](std::size_t, auto first, auto end) { merge(first, end, group.keyless); });
}

std::size_t IndexedMatcher::count_matches(const ItemNames& item) {
    const char16_t* leaf = leaf_of(item.file_name);
    const bool has_leaf_names = !leaf_names_.empty();
    const bool has_whole_names = !whole_names_.empty();
    const ItemName short_name = {
        item.short_name, rule_ == CaseRule::Insensitive && (has_leaf_names || has_whole_names)
                             ? collation_.sort_key_hash(item.short_name, rule_)
                             : std::nullopt};
    std::size_t matches = 0;
    std::optional<std::uint64_t> leaf_key_hash;
    if (has_leaf_names) {
        leaf_key_hash = collation_.sort_key_hash(leaf, rule_);
        matches += count_in(leaf_names_, {leaf, leaf_key_hash}, short_name);
    }
    if (has_whole_names) {
        // Without a backslash, the whole name is the leaf.
        const bool whole_is_leaf = leaf == item.file_name && has_leaf_names;
        matches += count_in(
            whole_names_,
            {item.file_name,
             whole_is_leaf ? leaf_key_hash : collation_.sort_key_hash(item.file_name, rule_)},
            short_name);
    }
    return matches;
}

const IndexedMatcher::Slot* IndexedMatcher::slot_of(const Group& group, std::uint64_t key_hash) {
    const SeenBit bit = seen_bit(group.seen, key_hash);
    if ((group.seen[bit.word] & bit.mask) == 0) {
        return nullptr;
    }
    const Slot& slot = slot_for(group.slots, key_hash);
    return slot.value == 0 ? nullptr : &slot;
}

std::size_t IndexedMatcher::count_in(const Group& group, const ItemName& target,
                                     const ItemName& short_name) const {
    const bool second_chance = rule_ == CaseRule::Insensitive;
    std::size_t matches = 0;
    const auto count_name = [&](const char16_t* name, std::size_t copies) {
        if (collation_.equal(name, target.text, rule_) ||
            (second_chance && collation_.equal(name, short_name.text, rule_))) {
            matches += copies;
        }
    };
    const auto count_entries = [&](const Entry* first, std::size_t count) {
        for (const Entry* name = first; name != first + count; ++name) {
            count_name(name->text, name->copies);
        }
    };
    const auto count_slot = [&](const Slot& slot) {
        if (slot.text != nullptr) {
            count_name(slot.text, slot.value);
        } else if (slot.value != 0) {
            const Run& run = group.runs[slot.value - 1];
            count_entries(group.entries.data() + run.first, run.count);
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

}  // namespace pickwell
