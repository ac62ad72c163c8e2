// The in-memory comparison with sort keys that are exact, coarse, sometimes missing or never
// there: every way a system may answer that a matcher using keys has to cope with.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/memory/collation.h"

namespace pickwell::fuzzing {

enum class KeyQuality { Exact, Coarse, Patchy, None };

class FuzzedCollation final : public Collation {
  public:
    explicit FuzzedCollation(KeyQuality quality) : quality_(quality) {}

    bool equal(std::u16string_view a, std::u16string_view b, CaseRule rule) const override {
        return exact_.equal(a, b, rule);
    }
    int order(std::u16string_view a, std::u16string_view b, CaseRule rule) const override {
        return exact_.order(a, b, rule);
    }

    std::optional<std::uint64_t> sort_key_hash(std::u16string_view text,
                                               CaseRule rule) const override {
        if (quality_ == KeyQuality::None) {
            return std::nullopt;
        }
        const std::optional<std::uint64_t> hash = exact_.sort_key_hash(text, rule);
        switch (quality_) {
            case KeyQuality::Coarse:  // texts that differ share keys; equal ones still do
                return *hash % 2;
            case KeyQuality::Patchy:  // no key for some texts
                return *hash % 3 == 1 ? std::nullopt : hash;
            default:
                return hash;
        }
    }

  private:
    KeyQuality quality_;
    MemoryCollation exact_;
};

}  // namespace pickwell::fuzzing
