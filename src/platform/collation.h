// The platform's locale-aware string comparison: equal or not, with or without case.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace pickwell {

enum class CaseRule { Sensitive, Insensitive };

class Collation {
  public:
    virtual ~Collation() = default;

    // lstrcmpW / lstrcmpiW returning 0. Both texts hold no NUL and are followed by one, so
    // that they are C strings as well.
    virtual bool equal(std::u16string_view a, std::u16string_view b, CaseRule rule) const = 0;

    // A total order of texts under `rule` in which equal texts, and only they, are level:
    // negative when `a` comes first, zero exactly when `equal` holds, positive otherwise. The
    // same preconditions as `equal`.
    virtual int order(std::u16string_view a, std::u16string_view b, CaseRule rule) const = 0;

    // A hash of the text's sort key under `rule`: the same for any two texts `equal` finds
    // equal under `rule`; texts that differ may share one too. Nothing when the system has no
    // key for `text`. `text` holds no NUL.
    [[nodiscard]] virtual std::optional<std::uint64_t> sort_key_hash(std::u16string_view text,
                                                                     CaseRule rule) const = 0;
};

}  // namespace pickwell
