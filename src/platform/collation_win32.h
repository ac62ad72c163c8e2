#pragma once

#include "platform/collation.h"

namespace pickwell {

class Win32Collation final : public Collation {
  public:
    bool equal(const char16_t* a, const char16_t* b, CaseRule rule) const override;
};

}  // namespace pickwell
