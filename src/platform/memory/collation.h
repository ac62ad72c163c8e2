// A stand-in for the system's comparison that behaves like it where names differ in practice:
// soft hyphens are ignored, "ß" is "ss", an accented Latin-1 letter equals its letter followed
// by the combining accent, and, without case, Latin, Greek and Cyrillic letters fold.
#pragma once

#include "platform/collation.h"

namespace pickwell {

char16_t fold_case(char16_t c);

class MemoryCollation final : public Collation {
  public:
    bool equal(std::u16string_view a, std::u16string_view b, CaseRule rule) const override;
    // By the weighed units, one by one.
    int order(std::u16string_view a, std::u16string_view b, CaseRule rule) const override;
    std::optional<std::uint64_t> sort_key_hash(std::u16string_view text,
                                               CaseRule rule) const override;
};

}  // namespace pickwell
