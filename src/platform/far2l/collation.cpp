#include "platform/far2l/collation.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "platform/far2l/upper_case_table.h"
#include "platform/key_hash.h"

namespace pickwell {
namespace {

std::optional<char32_t> upper_in(std::span<const CaseRange> table, char32_t c) {
    const auto range =
        std::upper_bound(table.begin(), table.end(), c,
                         [](char32_t point, const CaseRange& r) { return point < r.first; });
    if (range == table.begin()) {
        return std::nullopt;
    }
    const CaseRange& r = *std::prev(range);
    if (c > r.last || (c - r.first) % r.stride != 0) {
        return std::nullopt;
    }
    return static_cast<char32_t>(static_cast<std::int64_t>(c) + r.delta);
}

// The upper case of every BMP unit, built once from the ranges: one look-up per unit.
const std::array<char16_t, 0x10000>& bmp_upper() {
    static const auto table = [] {
        std::array<char16_t, 0x10000> units{};
        for (std::size_t c = 0; c < units.size(); ++c) {
            units[c] = static_cast<char16_t>(c);
        }
        for (const CaseRange& r : bmp_upper_case()) {
            for (char32_t c = r.first; c <= r.last; c += r.stride) {
                units[c] = static_cast<char16_t>(static_cast<std::int64_t>(c) + r.delta);
            }
        }
        return units;
    }();
    return table;
}

bool is_high_surrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool is_low_surrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Four units in one word, one to each 16-bit lane.
constexpr std::uint64_t kLanes = 0x0001'0001'0001'0001;
constexpr std::uint64_t kHigh = kLanes * 0x8000;
// The bits a lane has set only when its unit is not ASCII.
constexpr std::uint64_t kBeyondAscii = kLanes * 0xFF80;

// Four ASCII units upper-cased in one step. A unit below 0x80 plus 0x8000 - x reaches the
// lane's high bit exactly when it is x or more.
std::uint64_t upper_ascii_word(std::uint64_t units) {
    const std::uint64_t from_a = (units + kLanes * (0x8000 - u'a')) & kHigh;
    const std::uint64_t past_z = (units + kLanes * (0x8000 - u'z' - 1)) & kHigh;
    return units & ~((from_a & ~past_z) >> 10);  // 0x8000 >> 10 == 0x20
}

std::uint64_t word_at(const char16_t* units) {
    std::uint64_t word;
    std::memcpy(&word, units, sizeof word);
    return word;
}

// The units of a text upper-cased, one at a time. An unpaired surrogate stays as it is.
class UpperUnits {
  public:
    UpperUnits(const char16_t* text, const char16_t* end) : text_(text), end_(end) {}

    bool done() const { return pending_ == 0 && text_ == end_; }
    // The next unit; only while not done().
    char16_t next() {
        if (pending_ != 0) {
            return std::exchange(pending_, char16_t{0});
        }
        const char16_t unit = *text_++;
        if (!is_high_surrogate(unit) || text_ == end_ || !is_low_surrogate(*text_)) {
            return bmp_upper()[unit];
        }
        const char32_t point =
            0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (*text_++ - 0xDC00u);
        const char32_t upper = upper_case(point) - 0x10000;
        pending_ = static_cast<char16_t>(0xDC00 + (upper & 0x3FF));
        return static_cast<char16_t>(0xD800 + (upper >> 10));
    }

  private:
    const char16_t* text_;
    const char16_t* end_;
    char16_t pending_ = 0;
};

}  // namespace

char32_t upper_case(char32_t c) {
    if (c < 0x80) {
        return c >= U'a' && c <= U'z' ? c - 0x20 : c;
    }
    if (c < 0x10000) {
        return bmp_upper()[c];
    }
    return upper_in(supplementary_upper_case(), c).value_or(c);
}

bool Far2lCollation::equal(std::u16string_view a, std::u16string_view b, CaseRule rule) const {
    if (rule == CaseRule::Sensitive) {
        return a == b;
    }
    // An ASCII prefix four units at a time while both have four; the rest unit by unit.
    const char16_t* x = a.data();
    const char16_t* const x_end = x + a.size();
    const char16_t* y = b.data();
    const char16_t* const y_end = y + b.size();
    for (; x_end - x >= 4 && y_end - y >= 4; x += 4, y += 4) {
        const std::uint64_t x_units = word_at(x);
        const std::uint64_t y_units = word_at(y);
        if (((x_units | y_units) & kBeyondAscii) != 0) {
            break;
        }
        if (x_units != y_units && upper_ascii_word(x_units) != upper_ascii_word(y_units)) {
            return false;
        }
    }
    UpperUnits x_units(x, x_end);
    UpperUnits y_units(y, y_end);
    while (!x_units.done() && !y_units.done()) {
        if (x_units.next() != y_units.next()) {
            return false;
        }
    }
    return x_units.done() && y_units.done();
}

int Far2lCollation::order(std::u16string_view a, std::u16string_view b, CaseRule rule) const {
    if (rule == CaseRule::Sensitive) {
        const int order = a.compare(b);
        return order < 0 ? -1 : order > 0 ? 1 : 0;
    }
    UpperUnits x_units(a.data(), a.data() + a.size());
    UpperUnits y_units(b.data(), b.data() + b.size());
    while (!x_units.done() && !y_units.done()) {
        const char16_t x = x_units.next();
        const char16_t y = y_units.next();
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    return x_units.done() ? (y_units.done() ? 0 : -1) : 1;
}

std::optional<std::uint64_t> Far2lCollation::sort_key_hash(std::u16string_view text,
                                                           CaseRule rule) const {
    // The key is the units themselves, upper-cased without case, four to a word.
    const bool upper = rule == CaseRule::Insensitive;
    KeyHash hash;
    const char16_t* rest = text.data();
    const char16_t* const end = rest + text.size();
    std::size_t length = 0;
    for (; end - rest >= 4; rest += 4, length += 4) {
        const std::uint64_t units = word_at(rest);
        if (!upper) {
            hash.add(units);
        } else if ((units & kBeyondAscii) == 0) {
            hash.add(upper_ascii_word(units));
        } else {
            break;
        }
    }
    std::uint64_t word = 0;
    const auto add = [&](char16_t unit) {
        word |= std::uint64_t{unit} << (length % 4 * 16);
        if (++length % 4 == 0) {
            hash.add(std::exchange(word, 0));
        }
    };
    if (!upper) {
        for (; rest != end; ++rest) {
            add(*rest);
        }
    } else {
        for (UpperUnits units(rest, end); !units.done();) {
            add(units.next());
        }
    }
    if (length % 4 != 0) {
        hash.add(word);
    }
    return hash.value(length);
}

}  // namespace pickwell
