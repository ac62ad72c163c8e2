// The spellings of a list that matched an item, noted as the items meet them and looked up once
// every item has.
#pragma once

#include <string_view>
#include <vector>

namespace pickwell {

class FoundSpellings {
  public:
    // Notes a match of `name`, which must outlive this object. Out of line and by reference: the
    // counting that calls it then compiles to the same instructions as it does without it.
    void add(const std::u16string_view& name);

    // Whether a spelling equal unit for unit to `name` was noted; after done().
    bool contains(std::u16string_view name) const;
    // Sorts what was noted, once no more is added: O(matches log matches).
    void done();

  private:
    std::vector<std::u16string_view> spellings_;  // a spelling per match until done()
};

}  // namespace pickwell
