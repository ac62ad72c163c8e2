// The platform's locale-aware string comparison: equal or not, with or without case.
#pragma once

#include <string>

namespace pickwell {

enum class CaseRule { Sensitive, Insensitive };

class Collation {
  public:
    virtual ~Collation() = default;

    // lstrcmpW / lstrcmpiW returning 0. Both strings are NUL-terminated.
    virtual bool equal(const char16_t* a, const char16_t* b, CaseRule rule) const = 0;

    // Writes into `key` a value that is the same for any two texts `equal` finds equal under
    // `rule`; texts that differ may share one too. False when there is no key for `text`, and
    // `key` is then meaningless. `key` is an output buffer, reused from call to call.
    [[nodiscard]] virtual bool try_sort_key(const char16_t* text, CaseRule rule,
                                            std::u16string& key) const = 0;
};

}  // namespace pickwell
