#include "select/name_index.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <string_view>

#include "select/unit_search.h"

namespace pickwell {
namespace {

// Multiplies and shifts four code units at a time: spreads the key over all bits at a fraction
// of the cost of a general-purpose hash.
std::uint64_t hash_of(std::u16string_view key) {
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15;
    std::uint64_t hash = key.size();
    std::size_t at = 0;
    for (; key.size() - at >= 4; at += 4) {
        std::uint64_t word;
        std::memcpy(&word, key.data() + at, sizeof word);
        hash = (hash ^ word) * kMultiplier;
        hash ^= hash >> 32;
    }
    std::uint64_t rest = 0;
    for (; at < key.size(); ++at) {
        rest = rest << 16 | key[at];
    }
    hash = (hash ^ rest) * kMultiplier;
    return hash ^ (hash >> 29);
}

// The slot holding `hash`, or the empty slot where it would go.
template <typename Slots>
auto& slot_for(Slots& slots, std::uint64_t hash) {
    const std::size_t mask = slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        if (slots[i].run.count == 0 || slots[i].key_hash == hash) {
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

}  // namespace

IndexedMatcher::IndexedMatcher(const NameList& names, CaseRule rule, const Collation& collation)
    : rule_(rule), collation_(collation) {
    if (names.size() > std::numeric_limits<std::uint32_t>::max() / 2) {
        throw std::length_error("too many names to index");
    }
    std::vector<const char16_t*> leaf_names;
    std::vector<const char16_t*> whole_names;
    for (const auto& name : names) {
        const bool has_backslash = find_unit(name.data(), name.size(), u'\\') != name.size();
        (has_backslash ? whole_names : leaf_names).push_back(name.c_str());
    }
    fill(leaf_names_, leaf_names);
    fill(whole_names_, whole_names);
}

void IndexedMatcher::fill(Group& group, const std::vector<const char16_t*>& names) {
    if (names.empty()) {
        return;
    }
    // Count the names of each bucket, then lay the buckets out one after the other, filling
    // each from its end.
    group.slots.resize(std::bit_ceil(names.size() * 2));
    group.seen.resize(std::bit_ceil(names.size() * 8 / 64 + 1));
    std::vector<Slot*> slot_of(names.size());
    ItemKey name_key;
    for (std::size_t i = 0; i < names.size(); ++i) {
        compute(name_key, names[i]);
        if (name_key.known) {
            Slot& slot = slot_for(group.slots, name_key.hash);
            slot.key_hash = name_key.hash;
            const SeenBit bit = seen_bit(group.seen, name_key.hash);
            group.seen[bit.word] |= bit.mask;
            ++slot.run.count;
            slot_of[i] = &slot;
        } else {
            ++group.keyless.count;
        }
    }
    std::uint32_t end = 0;
    for (Slot& slot : group.slots) {
        end += slot.run.count;
        slot.run.first = end;
    }
    group.keyless.first = end + group.keyless.count;
    group.entries.resize(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        Run& run = slot_of[i] != nullptr ? slot_of[i]->run : group.keyless;
        group.entries[--run.first] = {names[i], 1};
    }

    // Equal spellings give equal results: each is compared once and counts as often as the
    // list holds it. They share a bucket.
    for (Slot& slot : group.slots) {
        merge_spellings(group.entries, slot.run);
    }
    merge_spellings(group.entries, group.keyless);
}

void IndexedMatcher::merge_spellings(std::vector<Entry>& entries, Run& run) {
    if (run.count < 2) {
        return;
    }
    const auto first = entries.begin() + static_cast<std::ptrdiff_t>(run.first);
    const auto last = first + static_cast<std::ptrdiff_t>(run.count);
    const auto text = [](const Entry& entry) { return std::u16string_view(entry.text); };
    std::sort(first, last, [&](const Entry& a, const Entry& b) { return text(a) < text(b); });
    auto kept = first;
    for (auto entry = first + 1; entry != last; ++entry) {
        if (text(*entry) == text(*kept)) {
            ++kept->copies;
        } else {
            *++kept = *entry;
        }
    }
    run.count = static_cast<std::uint32_t>(kept - first) + 1;
}

void IndexedMatcher::compute(ItemKey& item_key, const char16_t* text) const {
    item_key.known = collation_.try_sort_key(text, rule_, item_key.key);
    if (item_key.known) {
        item_key.hash = hash_of(item_key.key);
    }
}

std::size_t IndexedMatcher::count_matches(const ItemNames& item) {
    const char16_t* leaf = leaf_of(item.file_name);
    const bool has_leaf_names = !leaf_names_.entries.empty();
    const bool has_whole_names = !whole_names_.entries.empty();
    if (rule_ == CaseRule::Insensitive && (has_leaf_names || has_whole_names)) {
        compute(short_key_, item.short_name);
    }
    std::size_t matches = 0;
    if (has_leaf_names) {
        compute(leaf_key_, leaf);
        matches += count_in(leaf_names_, leaf, leaf_key_, item.short_name);
    }
    if (has_whole_names) {
        // Without a backslash, the whole name is the leaf.
        const bool whole_is_leaf = leaf == item.file_name && has_leaf_names;
        if (!whole_is_leaf) {
            compute(whole_key_, item.file_name);
        }
        matches += count_in(whole_names_, item.file_name, whole_is_leaf ? leaf_key_ : whole_key_,
                            item.short_name);
    }
    return matches;
}

const IndexedMatcher::Run* IndexedMatcher::run_of(const Group& group, std::uint64_t key_hash) {
    const SeenBit bit = seen_bit(group.seen, key_hash);
    if ((group.seen[bit.word] & bit.mask) == 0) {
        return nullptr;
    }
    const Slot& slot = slot_for(group.slots, key_hash);
    return slot.run.count == 0 ? nullptr : &slot.run;
}

std::size_t IndexedMatcher::count_in(const Group& group, const char16_t* target,
                                     const ItemKey& target_key, const char16_t* short_name) const {
    const bool second_chance = rule_ == CaseRule::Insensitive;
    std::size_t matches = 0;
    const auto count_run = [&](const Run& run) {
        for (std::size_t i = run.first; i < std::size_t{run.first} + run.count; ++i) {
            const Entry& name = group.entries[i];
            if (collation_.equal(name.text, target, rule_) ||
                (second_chance && collation_.equal(name.text, short_name, rule_))) {
                matches += name.copies;
            }
        }
    };

    if (!target_key.known || (second_chance && !short_key_.known)) {
        // Without the item's key, any name may be equal to it.
        for (const Slot& slot : group.slots) {
            count_run(slot.run);
        }
    } else {
        const Run* target_run = run_of(group, target_key.hash);
        if (target_run != nullptr) {
            count_run(*target_run);
        }
        if (second_chance) {
            const Run* short_run = run_of(group, short_key_.hash);
            if (short_run != nullptr && short_run != target_run) {
                count_run(*short_run);
            }
        }
    }
    // Names without a key of their own could be equal to anything.
    count_run(group.keyless);
    return matches;
}

}  // namespace pickwell
