#include "select/found_spellings.h"

#include <algorithm>

namespace pickwell {

void FoundSpellings::add(const std::u16string_view& name) {
    spellings_.push_back(name);
}

void FoundSpellings::done() {
    std::sort(spellings_.begin(), spellings_.end());
    spellings_.erase(std::unique(spellings_.begin(), spellings_.end()), spellings_.end());
}

bool FoundSpellings::contains(std::u16string_view name) const {
    return std::binary_search(spellings_.begin(), spellings_.end(), name);
}

}  // namespace pickwell
