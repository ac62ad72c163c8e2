#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/memory/collation.h"
#include "select/name_index.h"
#include "select/name_matcher.h"
#include "support/narrow.h"
#include "support/random_panels.h"

namespace pickwell::testing {
namespace {

// The stand-in's comparison, under key hashes of another kind.
class StandInComparison : public Collation {
  public:
    bool equal(std::u16string_view a, std::u16string_view b, CaseRule rule) const override {
        return exact_.equal(a, b, rule);
    }

  protected:
    MemoryCollation exact_;
};

// Key hashes that tell little apart: buckets then hold names that are not equal to the item,
// which only the comparison may reject.
class CoarseKeys final : public StandInComparison {
  public:
    std::optional<std::uint64_t> sort_key_hash(std::u16string_view text,
                                               CaseRule rule) const override {
        return *exact_.sort_key_hash(text, rule) % 4;
    }
};

// No key for texts holding a soft hyphen or "ß", on either side: characters that do not keep
// such a text from being equal to one that has a key.
class PatchyKeys final : public StandInComparison {
  public:
    std::optional<std::uint64_t> sort_key_hash(std::u16string_view text,
                                               CaseRule rule) const override {
        if (text.find_first_of(u"\u00AD\u00DF") != std::u16string_view::npos) {
            return std::nullopt;
        }
        return exact_.sort_key_hash(text, rule);
    }
};

std::vector<std::size_t> counts(NameMatcher& matcher, const std::vector<RandomItem>& items) {
    std::vector<std::size_t> result;
    for (const RandomItem& item : items) {
        result.push_back(matcher.count_matches({item.name.c_str(), item.short_name.c_str()}));
    }
    return result;
}

TEST(IndexedMatcher, CountsEachMatchingNameOnce) {
    const MemoryCollation collation;
    const std::u16string very_long(5000, u'n');  // longer than a slot keeps the length of
    const std::u16string very_long_upper(5000, u'N');
    struct Case {
        const char* what;
        NameList names;
        RandomItem item;
        std::size_t insensitive;
        std::size_t sensitive;
    };
    const Case cases[] = {
        {"every copy of a name counts", {u"a.txt", u"x", u"a.txt"}, {u"a.txt", u""}, 2, 2},
        {"case variants are names of their own", {u"a.txt", u"A.TXT"}, {u"a.txt", u""}, 2, 1},
        {"leaf and short name equal: one match", {u"AB~1"}, {u"ab~1", u"AB~1"}, 1, 0},
        {"leaf and short name in different buckets",
         {u"long name.txt", u"LONGNA~1.TXT", u"other"},
         {u"Long Name.txt", u"LONGNA~1.TXT"},
         2,
         0},
        {"leaf names meet the leaf, backslashed ones the whole name",
         {u"f", u"sub\\f", u"SUB\\F", u"other\\f"},
         {u"sub\\f", u""},
         3,
         2},
        {"a backslashed name is given the short name too", {u"x\\y"}, {u"z", u"X\\Y"}, 1, 0},
        {"equal spellings of one name",
         {u"stra\u00DFe", u"STRA\u00ADSSE", u"caf\u00E9", u"cafe\u0301"},
         {u"Strasse", u""},
         2,
         0},
        {"very long names and their case variants",
         {very_long, very_long_upper, u"x", very_long},
         {very_long, u""},
         3,
         2},
        {"a name of ignorable characters equals a missing short name",
         {u"\u00AD", u"\u00AD\u00AD"},
         {u"a", u""},
         2,
         0},
    };
    for (const Case& c : cases) {
        for (const CaseRule rule : {CaseRule::Insensitive, CaseRule::Sensitive}) {
            IndexedMatcher matcher(c.names, rule, collation, u'\\');
            EXPECT_EQ(counts(matcher, {c.item}).front(),
                      rule == CaseRule::Insensitive ? c.insensitive : c.sensitive)
                << c.what << (rule == CaseRule::Insensitive ? " (without case)" : " (with case)");
        }
    }
}

// The index must count exactly what comparing every item with every name counts, whatever the
// keys tell apart and wherever keys are missing.
TEST(IndexedMatcher, CountsAsThePlainRuleOnRandomPanels) {
    const MemoryCollation exact;
    const CoarseKeys coarse;
    const PatchyKeys patchy;
    const std::pair<const char*, const Collation*> collations[] = {
        {"exact keys", &exact}, {"coarse keys", &coarse}, {"missing keys", &patchy}};
    std::size_t matches = 0;
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        const RandomPanel panel = random_panel(seed, 40, 40);
        NameList names;
        for (const std::u16string& name : panel.names) {
            names.push_back(name);
        }
        for (const CaseRule rule : {CaseRule::Insensitive, CaseRule::Sensitive}) {
            PlainMatcher plain(names, rule, exact, u'\\');
            const std::vector<std::size_t> expected = counts(plain, panel.items);
            for (std::size_t n : expected) {
                matches += n;
            }
            for (const auto& [what, collation] : collations) {
                IndexedMatcher indexed(names, rule, *collation, u'\\');
                const std::vector<std::size_t> found = counts(indexed, panel.items);
                for (std::size_t i = 0; i < expected.size(); ++i) {
                    ASSERT_EQ(found[i], expected[i])
                        << "seed " << seed << ", " << what
                        << (rule == CaseRule::Insensitive ? ", without case" : ", with case")
                        << ", item " << narrow(panel.items[i].name) << " / "
                        << narrow(panel.items[i].short_name);
                }
            }
        }
    }
    // The panels are meant to match a lot; a generator that stopped doing so would prove nothing.
    EXPECT_GT(matches, 3000u);
}

}  // namespace
}  // namespace pickwell::testing
