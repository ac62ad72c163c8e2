#include "select/mark_items.h"

namespace pickwell {

std::size_t mark_matching_items(ActivePanel& panel, std::size_t items, NameMatcher& matcher,
                                ParentEntry parent_entry) {
    const bool skip_parent_entry = parent_entry == ParentEntry::NeverSelected;
    std::size_t marked = 0;
    for (std::size_t index = 0; index < items; ++index) {
        const auto item = panel.item(index);
        if (!item || (skip_parent_entry && is_parent_entry(item->file_name))) {
            continue;
        }
        const std::size_t matches = matcher.count_matches(*item);
        for (std::size_t n = matches; n > 0; --n) {
            panel.select(index);
        }
        marked += matches != 0 ? 1 : 0;
    }
    return marked;
}

}  // namespace pickwell
