#pragma once

#include <bitset>
#include <cstddef>
#include <string_view>

namespace pickwell {

// Membership of UTF-16 code units, answered in constant time however many were added.
class CharacterSet {
  public:
    void add(char16_t c) { members_.set(c); }
    void add(std::u16string_view chars) {
        for (const char16_t c : chars) {
            add(c);
        }
    }
    void remove(char16_t c) { members_.reset(c); }
    // Every char16_t lies inside the set's range: no bounds check is needed.
    bool contains(char16_t c) const { return members_[c]; }

  private:
    std::bitset<0x10000> members_;
};

}  // namespace pickwell
