// A stand-in for the system's comparison: code units compared as they are, or with simple case
// folding of the Latin, Greek and Cyrillic letters.
#pragma once

#include "platform/collation.h"

namespace pickwell {

char16_t fold_case(char16_t c);

class MemoryCollation final : public Collation {
  public:
    bool equal(const char16_t* a, const char16_t* b, CaseRule rule) const override;
};

}  // namespace pickwell
