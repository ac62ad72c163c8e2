#include <gtest/gtest.h>

#include <string>

#include "platform/memory/collation.h"
#include "support/narrow.h"

namespace pickwell::testing {
namespace {

// The stand-in must treat as equal what the system's comparison does where names differ in
// practice, and its key hashes must agree with its comparison.
TEST(MemoryCollation, EqualsLikeTheSystemAndKeysAgree) {
    struct Case {
        std::u16string a;
        std::u16string b;
        bool without_case;
        bool with_case;
    };
    const Case cases[] = {
        {u"a.txt", u"a.txt", true, true},
        {u"A.TXT", u"a.txt", true, false},
        {u"\u041F\u0401", u"\u043F\u0451", true, false},  // Cyrillic, with Ё
        {u"a\u00ADb", u"ab", true, true},                 // soft hyphen ignored
        {u"\u00AD", u"", true, true},
        {u"stra\u00DFe", u"strasse", true, true},
        {u"STRA\u00DFE", u"strasse", true, false},
        {u"caf\u00E9", u"cafe\u0301", true, true},  // precomposed and decomposed
        {u"CAF\u00C9", u"cafe\u0301", true, false},
        {u"\u00FF", u"y\u0308", true, true},
        {u"\u00C6", u"\u00E6", true, false},  // folds, does not decompose
        {u"caf\u00E9", u"cafe", false, false},
        {u"a b", u"ab", false, false},
        {u"a", u"a ", false, false},
        {u"", u"a", false, false},
        // Long enough to be weighed several units at a time, with the odd letter further on.
        {u"Measurement 000123 of the day.csv", u"MEASUREMENT 000123 OF THE DAY.CSV", true, false},
        {u"Long folder name\u00DF.txt", u"long folder namess.txt", true, false},
        {u"abcdefgh\u00E9", u"abcdefghe\u0301", true, true},
        {u"abcdefghijk", u"abcdefghijl", false, false},
    };
    const MemoryCollation collation;
    for (const Case& c : cases) {
        for (const CaseRule rule : {CaseRule::Insensitive, CaseRule::Sensitive}) {
            const bool expected = rule == CaseRule::Insensitive ? c.without_case : c.with_case;
            const std::string what = narrow(c.a) + " vs " + narrow(c.b) +
                                     (rule == CaseRule::Insensitive ? " without" : " with") +
                                     " case";
            EXPECT_EQ(collation.equal(c.a, c.b, rule), expected) << what;
            EXPECT_EQ(collation.equal(c.b, c.a, rule), expected) << what;
            // The order levels exactly the equal texts, and turns round with them.
            EXPECT_EQ(collation.order(c.a, c.b, rule) == 0, expected) << what;
            EXPECT_EQ(collation.order(c.a, c.b, rule), -collation.order(c.b, c.a, rule)) << what;
            const auto hash_a = collation.sort_key_hash(c.a.c_str(), rule);
            const auto hash_b = collation.sort_key_hash(c.b.c_str(), rule);
            ASSERT_TRUE(hash_a && hash_b) << what;
            EXPECT_EQ(*hash_a == *hash_b, expected) << what;
        }
    }
}

}  // namespace
}  // namespace pickwell::testing
