// far2l's comparison of names: code points as they are, or each upper-cased as far2l's LUpper
// does, and key hashes that agree with it.
#include <gtest/gtest.h>

#include <string>

#include "platform/far2l/collation.h"
#include "platform/far2l/upper_case_table.h"
#include "support/narrow.h"

namespace pickwell::testing {
namespace {

void expect_equal_as(const Far2lCollation& collation, const std::u16string& a,
                     const std::u16string& b, CaseRule rule, bool expected) {
    const std::string what = narrow(a) + " vs " + narrow(b) +
                             (rule == CaseRule::Insensitive ? " without" : " with") + " case";
    EXPECT_EQ(collation.equal(a, b, rule), expected) << what;
    EXPECT_EQ(collation.equal(b, a, rule), expected) << what;
    // The order levels exactly the equal texts, and turns round with them.
    EXPECT_EQ(collation.order(a, b, rule) == 0, expected) << what;
    EXPECT_EQ(collation.order(a, b, rule), -collation.order(b, a, rule)) << what;
    if (expected) {
        EXPECT_EQ(collation.sort_key_hash(a, rule), collation.sort_key_hash(b, rule)) << what;
    }
}

TEST(Far2lCollation, ComparesCodePointsUpperCasedOneByOne) {
    const struct {
        std::u16string a;
        std::u16string b;
        bool without_case;
        bool with_case;
    } cases[] = {
        {u"Readme.TXT", u"readme.txt", true, false},
        {u"readme.txt", u"readme.txt", true, true},
        {u"\u0416", u"\u0436", true, false},                // Ж ж
        {u"\u00C9t\u00E9", u"\u00E9T\u00C9", true, false},  // É é
        {u"\u03A3", u"\u03C3", true, false},                // Σ σ
        {u"\u00FF", u"\u0178", true, false},                // ÿ Ÿ
        {u"\uFF41", u"\uFF21", true, false},                // fullwidth a A
        {u"\U00010428", u"\U00010400", true, false},        // Deseret, outside the BMP
        // The false matches of the host's collation are not repeated.
        {u"\u00E9", u"e\u0301", false, false},         // no decomposition
        {u"\uFF21", u"a", false, false},               // fullwidth is not ASCII
        {u"\U0001F600", u"\U0001F601", false, false},  // nor are neighbours outside the BMP
        {u"a-b", u"ab", false, false},
        {u"a\u00ADb", u"ab", false, false},  // nothing is ignored
        // One code point to one, as LUpper maps them: no expansion.
        {u"stra\u00DFe", u"STRASSE", false, false},
        {u"\u0130", u"i", false, false},  // İ i: İ has no upper case to meet i at
        {u"", u"", true, true},
        {u"a", u"a ", false, false},
        // Long enough for the word-at-a-time paths, the difference further on.
        {u"Measurement 000123 of the day.csv", u"MEASUREMENT 000123 OF THE DAY.CSV", true, false},
        {u"abcdefgh\u00E9", u"ABCDEFGH\u00C9", true, false},
        {u"abcdefghijk", u"abcdefghijl", false, false},
        {u"abcd\U0001F600efgh", u"ABCD\U0001F600EFGH", true, false},
    };
    const Far2lCollation collation;
    for (const auto& c : cases) {
        expect_equal_as(collation, c.a, c.b, CaseRule::Insensitive, c.without_case);
        expect_equal_as(collation, c.a, c.b, CaseRule::Sensitive, c.with_case);
    }
}

TEST(Far2lCollation, AsciiAgreesUnitByUnitAndFourAtATime) {
    // Every pair of ASCII units, alone and at the end of a name long enough for whole words: the
    // letters' neighbours @ [ ` { must not fold.
    const Far2lCollation collation;
    for (char16_t x = 1; x < 0x80; ++x) {
        for (char16_t y = 1; y < 0x80; ++y) {
            const auto upper = [](char16_t c) {
                return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 0x20) : c;
            };
            const bool expected = upper(x) == upper(y);
            for (const std::u16string prefix : {u"", u"abcdefg"}) {
                const std::u16string a = prefix + x + u"Xyz";
                const std::u16string b = prefix + y + u"xYZ";
                ASSERT_EQ(collation.equal(a, b, CaseRule::Insensitive), expected)
                    << int(x) << " " << int(y);
                if (expected) {
                    ASSERT_EQ(collation.sort_key_hash(a, CaseRule::Insensitive),
                              collation.sort_key_hash(b, CaseRule::Insensitive));
                }
            }
        }
    }
}

TEST(Far2lCollation, KeysOfHostNamesWithInvalidUnitsAgree) {
    // A host name's invalid units arrive as unpaired low surrogates, kept as they are.
    const Far2lCollation collation;
    const std::u16string a = {u'a', 0xDFFF, u'b', u'c', u'd', 0xDFFF};
    const std::u16string b = {u'A', 0xDFFF, u'B', u'c', u'D', 0xDFFF};
    expect_equal_as(collation, a, b, CaseRule::Insensitive, true);
    expect_equal_as(collation, a, u"a\uFFFDbcd\uFFFD", CaseRule::Insensitive, false);
}

TEST(UpperCaseTable, IsSortedAndMapsWithinItsPlane) {
    for (const auto table : {bmp_upper_case(), supplementary_upper_case()}) {
        ASSERT_FALSE(table.empty());
        for (std::size_t i = 0; i < table.size(); ++i) {
            EXPECT_LE(table[i].first, table[i].last);
            EXPECT_TRUE(table[i].stride == 1 || table[i].stride == 2);
            if (i > 0) {
                EXPECT_LT(table[i - 1].last, table[i].first);
            }
        }
    }
    for (char32_t c = 0; c < 0x10000; ++c) {
        const char32_t upper = upper_case(c);
        ASSERT_LT(upper, 0x10000u) << static_cast<std::uint32_t>(c);
        ASSERT_TRUE(upper < 0xD800 || upper > 0xDFFF || upper == c);
        ASSERT_EQ(upper_case(upper), upper);
    }
    const struct {
        char32_t c;
        char32_t upper;
    } samples[] = {{U'a', U'A'},        {U'\u00E0', U'\u00C0'}, {U'\u00DF', U'\u00DF'},
                   {0x0101, 0x0100},    {0x0100, 0x0100},       {0x0131, U'I'},
                   {0x10428, 0x10400},  {0x1F600, 0x1F600},     {0xDFFF, 0xDFFF},
                   {0x110000, 0x110000}};
    for (const auto& s : samples) {
        EXPECT_EQ(upper_case(s.c), s.upper) << std::hex << static_cast<std::uint32_t>(s.c);
    }
}

TEST(UpperCaseTable, IsFar2lsTable) {
    // far2l 2.8.0's table changes 1175 BMP code points; the letters it knows beyond Wine's older
    // tables meet their upper and lower case both ways, and only without case.
    int changed = 0;
    for (char32_t c = 0; c < 0x10000; ++c) {
        changed += upper_case(c) != c ? 1 : 0;
    }
    EXPECT_EQ(changed, 1175);

    const struct {
        char32_t c;
        char32_t upper;
    } far2l_upper[] = {
        {0x03C2, 0x03A3},  // ς Σ
        {0x03C3, 0x03A3},  // σ Σ
        {0x00B5, 0x039C},  // µ Μ
        {0x017F, U'S'},    // ſ S
        {0x01C5, 0x01C4},  // ǅ Ǆ
        {0x01C6, 0x01C4},  // ǆ Ǆ
        {0x03D0, 0x0392},  // ϐ Β
        {0x1C80, 0x0412},  // ᲀ В
        {0x0131, U'I'},    // ı I
        {0x10D0, 0x1C90},  // ა Ა
        {0x00DF, 0x00DF},  // ß has none
        // Letters of Unicode 12 to 14 that far2l leaves as they are.
        {0x0282, 0x0282},
        {0xA7C3, 0xA7C3},
        {0xA7F6, 0xA7F6},
    };
    for (const auto& s : far2l_upper) {
        EXPECT_EQ(upper_case(s.c), s.upper) << std::hex << static_cast<std::uint32_t>(s.c);
    }

    const Far2lCollation collation;
    const struct {
        std::u16string a;
        std::u16string b;
    } meet_without_case[] = {
        {u"\u03BF\u03B4\u03BF\u03C2", u"\u039F\u0394\u039F\u03A3"},  // οδος ΟΔΟΣ
        {u"\u03BF\u03B4\u03BF\u03C2", u"\u03BF\u03B4\u03BF\u03C3"},  // οδος οδοσ
        {u"\u00B5", u"\u03BC"},                                      // µ μ
        {u"\u00B5", u"\u039C"},                                      // µ Μ
        {u"\u01C5", u"\u01C6"},                                      // ǅ ǆ
        {u"\u01C5", u"\u01C4"},                                      // ǅ Ǆ
        {u"\u017F", u"S"},                                           // ſ S
        {u"\u017F", u"s"},                                           // ſ s
        {u"\u03D0", u"\u03B2"},                                      // ϐ β
        {u"\u1C80", u"\u0432"},                                      // ᲀ в
        {u"\u0131", u"i"},                                           // ı i
        {u"\u10D0", u"\u1C90"},                                      // ა Ა
    };
    for (const auto& m : meet_without_case) {
        expect_equal_as(collation, m.a, m.b, CaseRule::Insensitive, true);
        expect_equal_as(collation, m.a, m.b, CaseRule::Sensitive, false);
    }
}

}  // namespace
}  // namespace pickwell::testing
