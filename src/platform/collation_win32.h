#pragma once

#include "platform/collation.h"

namespace pickwell {

class Win32Collation final : public Collation {
  public:
    bool equal(const char16_t* a, const char16_t* b, CaseRule rule) const override;
    // The sort key LCMapStringW gives in the locale and with the case flag of the comparison.
    bool try_sort_key(const char16_t* text, CaseRule rule, std::u16string& key) const override;
};

}  // namespace pickwell
