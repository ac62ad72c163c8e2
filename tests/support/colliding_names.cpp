#include "support/colliding_names.h"

#include <cstdint>
#include <optional>

#include "platform/key_hash.h"

namespace pickwell::testing {
namespace {

// Four units in one word of a key, one to each 16-bit lane, the first in the lowest.
constexpr std::uint64_t kLanes = 0x0001'0001'0001'0001;
// KeyHash's step: state = (state ^ word) * kMultiplier; and the multiplier's inverse.
constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15;
constexpr std::uint64_t kInverse = [] {
    std::uint64_t inverse = kMultiplier;  // right in its lowest 3 bits; each step doubles them
    for (int step = 0; step < 5; ++step) {
        inverse *= 2 - kMultiplier * inverse;
    }
    return inverse;
}();
static_assert(kMultiplier * kInverse == 1);

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

// The units whose key is the unit itself under `rule`, but for those a host or the clipboard
// text treats specially.
std::vector<bool> usable_units(const Collation& collation, CaseRule rule) {
    std::vector<bool> usable(0x10000);
    for (std::uint32_t unit = 0; unit < 0x10000; ++unit) {
        const auto c = static_cast<char16_t>(unit);
        usable[unit] = !special(c) && kept_as_it_is(collation, rule, c);
    }
    return usable;
}

char16_t lane(std::uint64_t word, std::size_t at) {
    return static_cast<char16_t>(word >> (16 * at));
}

// A name of two words, w1 and w2, that leaves the hash's state at `state`: w1 is the first of
// `tries` words of usable units, from `first_word` on, for which the w2 it takes is usable too.
// Two words leave the state at ((w1 * M) ^ w2) * M, so w2 = (state * M⁻¹) ^ (w1 * M).
std::optional<std::u16string> name_reaching(std::uint64_t state, const std::vector<bool>& usable,
                                            const std::vector<char16_t>& units,
                                            std::uint64_t first_word, std::uint64_t tries) {
    const std::uint64_t base = units.size();
    for (std::uint64_t n = first_word; n < first_word + tries; ++n) {
        const std::uint64_t w1 = units[n % base] | std::uint64_t{units[n / base % base]} << 16 |
                                 std::uint64_t{units[n / base / base % base]} << 32 |
                                 std::uint64_t{units[0]} << 48;
        const std::uint64_t w2 = (state * kInverse) ^ (w1 * kMultiplier);
        std::u16string name(8, u'\0');
        bool fits = true;
        for (std::size_t at = 0; at < 4 && fits; ++at) {
            name[at] = lane(w1, at);
            name[4 + at] = lane(w2, at);
            fits = usable[name[4 + at]];
        }
        if (fits) {
            return name;
        }
    }
    return std::nullopt;
}

std::vector<char16_t> units_of(const std::vector<bool>& usable) {
    std::vector<char16_t> units;
    for (std::uint32_t unit = 0; unit < 0x10000; ++unit) {
        if (usable[unit]) {
            units.push_back(static_cast<char16_t>(unit));
        }
    }
    return units;
}

// The state that KeyHash::value(length), without the process's secret, turns into `hash`.
std::uint64_t state_of_plain_hash(std::uint64_t hash, std::size_t length) {
    hash ^= hash >> 29;
    hash ^= hash >> 58;
    hash *= kInverse;
    hash ^= hash >> 32;
    hash *= kInverse;
    return hash ^ length;
}

// Up to `count` names, each the one `name_for(n, usable, units)` makes for n = 0, 1, ... below
// `limit`, where it makes one.
template <typename NameFor>
std::vector<std::u16string> crafted_names(const Collation& collation, CaseRule rule,
                                          std::size_t count, std::uint64_t limit,
                                          NameFor name_for) {
    const std::vector<bool> usable = usable_units(collation, rule);
    const std::vector<char16_t> units = units_of(usable);
    std::vector<std::u16string> names;
    for (std::uint64_t n = 0; !units.empty() && names.size() < count && n < limit; ++n) {
        if (auto name = name_for(n, usable, units)) {
            names.push_back(std::move(*name));
        }
    }
    return names;
}

}  // namespace

std::vector<std::u16string> colliding_names(const Collation& collation, CaseRule rule,
                                            std::size_t count) {
    // Every name leaves the state where the name of four first usable units twice leaves it;
    // each first word of three usable units (and the first) is tried once.
    return crafted_names(collation, rule, count, std::uint64_t{1} << 48,
                         [](std::uint64_t n, const std::vector<bool>& usable,
                            const std::vector<char16_t>& units) -> std::optional<std::u16string> {
                             if (n >= units.size() * units.size() * units.size()) {
                                 return std::nullopt;
                             }
                             const std::uint64_t first = units[0] * kLanes;
                             const std::uint64_t state =
                                 ((first * kMultiplier) ^ first) * kMultiplier;
                             return name_reaching(state, usable, units, n, 1);
                         });
}

std::vector<std::u16string> crowding_names(const Collation& collation, CaseRule rule,
                                           std::size_t count) {
    // Hashes that differ in their high bits, each reached by the first of 16 first words that
    // gives a usable second one.
    constexpr std::uint64_t kSharedLowBits = 0x5A5A5;  // 20 bits
    return crafted_names(
        collation, rule, count, std::uint64_t{1} << 44,
        [](std::uint64_t n, const std::vector<bool>& usable, const std::vector<char16_t>& units) {
            const std::uint64_t state =
                state_of_plain_hash((n * kMultiplier) << 20 | kSharedLowBits, 8);
            return name_reaching(state, usable, units, n * 16, 16);
        });
}

}  // namespace pickwell::testing
