#include "support/colliding_names.h"

#include <cstdint>

#include "platform/key_hash.h"

namespace pickwell::testing {
namespace {

// Four units in one word of a key, one to each 16-bit lane, the first in the lowest.
constexpr std::uint64_t kLanes = 0x0001'0001'0001'0001;
// KeyHash's step: state = (state ^ word) * kMultiplier.
constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15;

bool special(char16_t unit) {
    return unit < 0x100 || unit == 0x2028 || unit == 0x2029 || (unit >= 0xD800 && unit <= 0xDFFF) ||
           unit == 0xFEFF || unit >= 0xFFF0;
}

// Whether the key of `unit` under `rule` is the unit itself: four of them hash as one word.
bool kept_as_it_is(const Collation& collation, CaseRule rule, char16_t unit) {
    KeyHash key;
    key.add(unit * kLanes);
    return collation.sort_key_hash(std::u16string(4, unit), rule) == key.value(4);
}

}  // namespace

std::vector<std::u16string> colliding_names(const Collation& collation, CaseRule rule,
                                            std::size_t count) {
    std::vector<bool> usable(0x10000);
    std::vector<char16_t> units;
    for (std::uint32_t unit = 0; unit < 0x10000; ++unit) {
        const auto c = static_cast<char16_t>(unit);
        usable[unit] = !special(c) && kept_as_it_is(collation, rule, c);
        if (usable[unit]) {
            units.push_back(c);
        }
    }
    std::vector<std::u16string> names;
    if (units.empty()) {
        return names;
    }
    // Two words w1, w2 leave the hash's state at ((w1 * M) ^ w2) * M: every first word w1 has
    // the second word C ^ (w1 * M) that gives the state of the first name, C.
    const std::uint64_t first = units[0] * kLanes;
    const std::uint64_t c = (first * kMultiplier) ^ first;
    const std::uint64_t base = units.size();
    for (std::uint64_t n = 0; names.size() < count && n < base * base * base; ++n) {
        const std::uint64_t w1 = units[n % base] | std::uint64_t{units[n / base % base]} << 16 |
                                 std::uint64_t{units[n / base / base % base]} << 32 |
                                 std::uint64_t{units[0]} << 48;
        const std::uint64_t w2 = c ^ (w1 * kMultiplier);
        std::u16string name(8, u'\0');
        bool fits = true;
        for (std::size_t lane = 0; lane < 4 && fits; ++lane) {
            name[lane] = static_cast<char16_t>(w1 >> (16 * lane));
            name[4 + lane] = static_cast<char16_t>(w2 >> (16 * lane));
            fits = usable[name[4 + lane]];
        }
        if (fits) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

}  // namespace pickwell::testing
