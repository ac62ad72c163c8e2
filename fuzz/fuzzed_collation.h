// The in-memory comparison with sort keys that are exact, coarse, sometimes missing or never
// there: every way a system may answer that a matcher using keys has to cope with.
#pragma once

#include <string>

#include "platform/collation_memory.h"

namespace pickwell::fuzzing {

enum class KeyQuality { Exact, Coarse, Patchy, None };

class FuzzedCollation final : public Collation {
  public:
    explicit FuzzedCollation(KeyQuality quality) : quality_(quality) {}

    bool equal(const char16_t* a, const char16_t* b, CaseRule rule) const override {
        return exact_.equal(a, b, rule);
    }

    bool try_sort_key(const char16_t* text, CaseRule rule, std::u16string& key) const override {
        if (quality_ == KeyQuality::None) {
            return false;
        }
        if (!exact_.try_sort_key(text, rule, key)) {
            return false;
        }
        switch (quality_) {
            case KeyQuality::Coarse:  // texts that differ share keys; equal ones still do
                key.resize(key.empty() ? 0 : 1);
                return true;
            case KeyQuality::Patchy:  // no key for some texts
                return key.size() % 3 != 1;
            default:
                return true;
        }
    }

  private:
    KeyQuality quality_;
    MemoryCollation exact_;
};

}  // namespace pickwell::fuzzing
