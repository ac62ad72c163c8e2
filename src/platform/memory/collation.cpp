#include "platform/memory/collation.h"

#include <cstdint>
#include <cstring>
#include <utility>

#include "platform/key_hash.h"

namespace pickwell {
namespace {

constexpr char16_t kSoftHyphen = 0x00AD;
constexpr char16_t kSharpS = 0x00DF;

struct Decomposition {
    char16_t letter;
    char16_t mark;  // 0: the character does not decompose
};

// U+00C0 to U+00DD; the small letters U+00E0 to U+00FD are these plus 0x20.
constexpr Decomposition kLatin1Capitals[] = {
    {u'A', 0x0300}, {u'A', 0x0301}, {u'A', 0x0302}, {u'A', 0x0303}, {u'A', 0x0308}, {u'A', 0x030A},
    {0, 0},         {u'C', 0x0327}, {u'E', 0x0300}, {u'E', 0x0301}, {u'E', 0x0302}, {u'E', 0x0308},
    {u'I', 0x0300}, {u'I', 0x0301}, {u'I', 0x0302}, {u'I', 0x0308}, {0, 0},         {u'N', 0x0303},
    {u'O', 0x0300}, {u'O', 0x0301}, {u'O', 0x0302}, {u'O', 0x0303}, {u'O', 0x0308}, {0, 0},
    {0, 0},         {u'U', 0x0300}, {u'U', 0x0301}, {u'U', 0x0302}, {u'U', 0x0308}, {u'Y', 0x0301},
};

Decomposition decompose(char16_t c) {
    if (c >= 0x00C0 && c <= 0x00DD) {
        return kLatin1Capitals[c - 0x00C0];
    }
    if (c >= 0x00E0 && c <= 0x00FD) {
        const Decomposition capital = kLatin1Capitals[c - 0x00E0];
        return {capital.letter == 0 ? char16_t{0} : static_cast<char16_t>(capital.letter + 0x20),
                capital.mark};
    }
    if (c == 0x00FF) {
        return {u'y', 0x0308};
    }
    return {0, 0};
}

// ASCII letters other than NUL: nothing there is ignored, expands or decomposes.
bool is_plain_ascii(char16_t c) {
    return c != u'\0' && c < 0x80;
}

char16_t weigh_ascii(char16_t c, bool fold) {
    return fold && c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 0x20) : c;
}

// Four units in one word, one to each 16-bit lane.
constexpr std::uint64_t kLanes = 0x0001'0001'0001'0001;
constexpr std::uint64_t kHigh = kLanes * 0x8000;
// The bits a lane has set only when its unit is not ASCII.
constexpr std::uint64_t kBeyondAscii = kLanes * 0xFF80;

// weigh_ascii on four units in one word.
std::uint64_t weigh_ascii_word(std::uint64_t units, bool fold) {
    if (!fold) {
        return units;
    }
    // A unit below 0x80 plus 0x8000 - x reaches the lane's high bit exactly when it is x or more.
    const std::uint64_t from_a = (units + kLanes * (0x8000 - u'A')) & kHigh;
    const std::uint64_t past_z = (units + kLanes * (0x8000 - u'Z' - 1)) & kHigh;
    return units | (from_a & ~past_z) >> 10;  // 0x8000 >> 10 == 0x20
}

// The code units the comparison weighs, one at a time: equal texts give equal sequences.
class WeighedUnits {
  public:
    // The text ends at its first NUL, or at `end` if that comes first.
    WeighedUnits(const char16_t* text, const char16_t* end, CaseRule rule)
        : text_(text), end_(end), fold_(rule == CaseRule::Insensitive) {}

    // The next unit, or NUL at the end of the text.
    char16_t next() {
        if (pending_ != 0) {
            return std::exchange(pending_, char16_t{0});
        }
        char16_t c = unit();
        if (is_plain_ascii(c)) {
            ++text_;
            return weigh_ascii(c, fold_);
        }
        while (c == kSoftHyphen) {
            ++text_;
            c = unit();
        }
        if (c == u'\0') {
            return c;
        }
        ++text_;
        if (c == kSharpS) {
            pending_ = u's';
            return u's';
        }
        if (const Decomposition parts = decompose(c); parts.letter != 0) {
            pending_ = parts.mark;
            c = parts.letter;
        }
        return fold_ ? fold_case(c) : c;
    }

  private:
    char16_t unit() const { return text_ == end_ ? u'\0' : *text_; }

    const char16_t* text_;
    const char16_t* end_;
    bool fold_;
    char16_t pending_ = 0;
};

}  // namespace

char16_t fold_case(char16_t c) {
    const auto in = [c](char16_t first, char16_t last) { return c >= first && c <= last; };
    if (in(u'A', u'Z') || (in(0x00C0, 0x00DE) && c != 0x00D7) || in(0x0391, 0x03AB) ||
        in(0x0410, 0x042F)) {
        return static_cast<char16_t>(c + 0x20);
    }
    if (in(0x0400, 0x040F)) {
        return static_cast<char16_t>(c + 0x50);
    }
    return c;
}

bool MemoryCollation::equal(std::u16string_view a, std::u16string_view b, CaseRule rule) const {
    // An ASCII prefix weighs unit for unit, four at a time while both have four; the rest is
    // compared from there on.
    const bool fold = rule == CaseRule::Insensitive;
    const char16_t* x = a.data();
    const char16_t* const x_end = x + a.size();
    const char16_t* y = b.data();
    const char16_t* const y_end = y + b.size();
    for (; x_end - x >= 4 && y_end - y >= 4; x += 4, y += 4) {
        std::uint64_t x_units;
        std::uint64_t y_units;
        std::memcpy(&x_units, x, sizeof x_units);
        std::memcpy(&y_units, y, sizeof y_units);
        if (((x_units | y_units) & kBeyondAscii) != 0) {
            break;
        }
        if (x_units != y_units &&
            weigh_ascii_word(x_units, fold) != weigh_ascii_word(y_units, fold)) {
            return false;
        }
    }
    for (; x != x_end && y != y_end && is_plain_ascii(*x) && is_plain_ascii(*y); ++x, ++y) {
        if (weigh_ascii(*x, fold) != weigh_ascii(*y, fold)) {
            return false;
        }
    }
    WeighedUnits x_units(x, x_end, rule);
    WeighedUnits y_units(y, y_end, rule);
    for (;;) {
        const char16_t unit = x_units.next();
        if (unit != y_units.next()) {
            return false;
        }
        if (unit == u'\0') {
            return true;
        }
    }
}

int MemoryCollation::order(std::u16string_view a, std::u16string_view b, CaseRule rule) const {
    WeighedUnits x_units(a.data(), a.data() + a.size(), rule);
    WeighedUnits y_units(b.data(), b.data() + b.size(), rule);
    for (;;) {
        const char16_t x = x_units.next();
        const char16_t y = y_units.next();
        if (x != y) {
            return x < y ? -1 : 1;
        }
        if (x == u'\0') {
            return 0;
        }
    }
}

std::optional<std::uint64_t> MemoryCollation::sort_key_hash(std::u16string_view text,
                                                            CaseRule rule) const {
    // The key is the weighed units, which are never NUL: they go into the hash four to a word.
    // Without case, every ASCII unit gets bit 0x20: that folds the letters' case in one
    // operation, and no more than a few punctuation marks besides, whose texts then only
    // share a hash.
    const std::uint64_t fold = rule == CaseRule::Insensitive ? kLanes * 0x20 : 0;
    KeyHash hash;
    std::uint64_t word = 0;
    std::size_t length = 0;
    const auto add = [&](char16_t unit) {
        const std::uint64_t folded = unit < 0x80 ? unit | (fold & 0x20) : unit;
        word |= folded << (length % 4 * 16);
        if (++length % 4 == 0) {
            hash.add(std::exchange(word, 0));
        }
    };
    const char16_t* rest = text.data();
    const char16_t* const end = rest + text.size();
    // Eight ASCII units at a time, then four; the text holds no NUL.
    for (; end - rest >= 8; rest += 8, length += 8) {
        std::uint64_t units[2];
        std::memcpy(units, rest, sizeof units);
        if (((units[0] | units[1]) & kBeyondAscii) != 0) {
            break;
        }
        hash.add(units[0] | fold);
        hash.add(units[1] | fold);
    }
    for (; end - rest >= 4; rest += 4, length += 4) {
        std::uint64_t units;
        std::memcpy(&units, rest, sizeof units);
        if ((units & kBeyondAscii) != 0) {
            break;
        }
        hash.add(units | fold);
    }
    for (; rest != end && is_plain_ascii(*rest); ++rest) {
        add(*rest);
    }
    WeighedUnits units(rest, end, rule);
    for (char16_t unit = units.next(); unit != u'\0'; unit = units.next()) {
        add(unit);
    }
    if (word != 0) {
        hash.add(word);
    }
    return hash.value(length);
}

}  // namespace pickwell
