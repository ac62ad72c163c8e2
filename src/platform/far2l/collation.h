// far2l's comparison of names: with case, the same code points; without case, the same code
// points once each is upper-cased as far2l's own LUpper does it (one code point to one: "ß"
// stays "ß"). Nothing is normalised, nothing ignored, and no two characters outside the BMP are
// confused.
#pragma once

#include "platform/collation.h"

namespace pickwell {

// The upper case of `c`; `c` itself when it has none, or is no scalar value.
char32_t upper_case(char32_t c);

class Far2lCollation final : public Collation {
  public:
    bool equal(std::u16string_view a, std::u16string_view b, CaseRule rule) const override;
    // By the units, upper-cased without case.
    int order(std::u16string_view a, std::u16string_view b, CaseRule rule) const override;
    // A hash of the units, upper-cased without case; never nothing.
    std::optional<std::uint64_t> sort_key_hash(std::u16string_view text,
                                               CaseRule rule) const override;
};

}  // namespace pickwell
