#pragma once

#include "platform/collation.h"

namespace pickwell {

class Win32Collation final : public Collation {
  public:
    bool equal(std::u16string_view a, std::u16string_view b, CaseRule rule) const override;
    // lstrcmpW / lstrcmpiW themselves.
    int order(std::u16string_view a, std::u16string_view b, CaseRule rule) const override;
    // Hashes the sort key LCMapStringW gives in the locale and with the case flag of the
    // comparison.
    std::optional<std::uint64_t> sort_key_hash(std::u16string_view text,
                                               CaseRule rule) const override;
};

}  // namespace pickwell
