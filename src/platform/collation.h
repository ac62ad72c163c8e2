// The platform's locale-aware string comparison: equal or not, with or without case.
#pragma once

namespace pickwell {

enum class CaseRule { Sensitive, Insensitive };

class Collation {
  public:
    virtual ~Collation() = default;

    // lstrcmpW / lstrcmpiW returning 0. Both strings are NUL-terminated.
    virtual bool equal(const char16_t* a, const char16_t* b, CaseRule rule) const = 0;
};

}  // namespace pickwell
