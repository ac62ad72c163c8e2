#include "select/name_index.h"

#include <limits>
#include <string_view>

namespace pickwell {
namespace {

constexpr std::size_t kNoBucket = std::numeric_limits<std::size_t>::max();

}  // namespace

IndexedMatcher::IndexedMatcher(const NameList& names, CaseRule rule, const Collation& collation)
    : rule_(rule), collation_(collation) {
    // Equal spellings give equal results: each is compared once and counts as often as the
    // list holds it.
    std::vector<Entry> leaf_spellings;
    std::vector<Entry> whole_spellings;
    std::unordered_map<std::u16string_view, std::size_t> position;  // in its group's spellings
    position.reserve(names.size());
    for (const auto& name : names) {
        auto& spellings =
            name.find(u'\\') == std::u16string::npos ? leaf_spellings : whole_spellings;
        const auto [found, added] = position.try_emplace(name, spellings.size());
        if (added) {
            spellings.push_back({name.c_str(), 1});
        } else {
            ++spellings[found->second].copies;
        }
    }
    leaf_names_ = make_group(leaf_spellings);
    whole_names_ = make_group(whole_spellings);
}

IndexedMatcher::Group IndexedMatcher::make_group(const std::vector<Entry>& spellings) const {
    Group group;
    std::vector<std::size_t> bucket(spellings.size());
    std::u16string key;
    for (std::size_t i = 0; i < spellings.size(); ++i) {
        if (!collation_.try_sort_key(spellings[i].text, rule_, key)) {
            bucket[i] = kNoBucket;
            continue;
        }
        const auto next = static_cast<std::uint32_t>(group.bucket_of_key.size());
        bucket[i] = group.bucket_of_key.try_emplace(key, next).first->second;
    }

    // Lay the entries out bucket by bucket, the keyless ones last, keeping list order within.
    const std::size_t buckets = group.bucket_of_key.size();
    const auto slot = [&](std::size_t i) { return bucket[i] == kNoBucket ? buckets : bucket[i]; };
    std::vector<std::size_t> fill(buckets + 2, 0);
    for (std::size_t i = 0; i < spellings.size(); ++i) {
        ++fill[slot(i) + 1];
    }
    for (std::size_t b = 1; b < fill.size(); ++b) {
        fill[b] += fill[b - 1];
    }
    group.bucket_starts.assign(fill.begin(), fill.end() - 1);
    group.entries.resize(spellings.size());
    for (std::size_t i = 0; i < spellings.size(); ++i) {
        group.entries[fill[slot(i)]++] = spellings[i];
    }
    return group;
}

void IndexedMatcher::compute(ItemKey& item_key, const char16_t* text) const {
    item_key.known = collation_.try_sort_key(text, rule_, item_key.key);
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

std::size_t IndexedMatcher::count_in(const Group& group, const char16_t* target,
                                     const ItemKey& target_key, const char16_t* short_name) const {
    const bool second_chance = rule_ == CaseRule::Insensitive;
    std::size_t matches = 0;
    const auto count_range = [&](std::size_t first, std::size_t last) {
        for (std::size_t i = first; i < last; ++i) {
            const Entry& name = group.entries[i];
            if (collation_.equal(name.text, target, rule_) ||
                (second_chance && collation_.equal(name.text, short_name, rule_))) {
                matches += name.copies;
            }
        }
    };
    const auto count_bucket = [&](std::size_t bucket) {
        count_range(group.bucket_starts[bucket], group.bucket_starts[bucket + 1]);
    };
    const auto bucket_of = [&](const ItemKey& item_key) {
        const auto found = group.bucket_of_key.find(item_key.key);
        return found == group.bucket_of_key.end() ? kNoBucket : std::size_t{found->second};
    };

    if (!target_key.known || (second_chance && !short_key_.known)) {
        // Without the item's key, any name may be equal to it.
        count_range(0, group.entries.size());
        return matches;
    }
    const std::size_t target_bucket = bucket_of(target_key);
    if (target_bucket != kNoBucket) {
        count_bucket(target_bucket);
    }
    if (second_chance) {
        const std::size_t short_bucket = bucket_of(short_key_);
        if (short_bucket != kNoBucket && short_bucket != target_bucket) {
            count_bucket(short_bucket);
        }
    }
    // Names without a key of their own could be equal to anything.
    count_range(group.bucket_starts.back(), group.entries.size());
    return matches;
}

}  // namespace pickwell
