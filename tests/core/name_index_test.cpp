#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/memory/collation.h"
#include "platform/posix/full_path.h"
#include "platform/win32/full_path.h"
#include "select/name_index.h"
#include "select/name_matcher.h"
#include "support/colliding_names.h"
#include "support/narrow.h"
#include "support/random_panels.h"

namespace pickwell::testing {
namespace {

constexpr PathSyntax kWindows = {u'\\', windows_full_path_root};

// The stand-in's comparison, under key hashes of another kind.
class StandInComparison : public Collation {
  public:
    bool equal(std::u16string_view a, std::u16string_view b, CaseRule rule) const override {
        return exact_.equal(a, b, rule);
    }
    int order(std::u16string_view a, std::u16string_view b, CaseRule rule) const override {
        return exact_.order(a, b, rule);
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

// The stand-in's comparison and keys, counting the comparisons made.
class CountedComparisons final : public StandInComparison {
  public:
    mutable std::size_t made = 0;

    bool equal(std::u16string_view a, std::u16string_view b, CaseRule rule) const override {
        ++made;
        return exact_.equal(a, b, rule);
    }
    int order(std::u16string_view a, std::u16string_view b, CaseRule rule) const override {
        ++made;
        return exact_.order(a, b, rule);
    }
    std::optional<std::uint64_t> sort_key_hash(std::u16string_view text,
                                               CaseRule rule) const override {
        return exact_.sort_key_hash(text, rule);
    }
};

NameList list_of(const std::vector<std::u16string>& names) {
    NameList list;
    for (const std::u16string& name : names) {
        list.push_back(name);
    }
    return list;
}

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
        PathSyntax paths = {u'\\'};
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
        {"full paths of one file name are a name each",
         {u"C:\\a\\x.txt", u"\\\\srv\\share\\X.TXT", u"x.txt", u"C:\\x.txt\\.."},
         {u"x.txt", u""},
         3,
         2,
         kWindows},
        {"folders given with their separator, beside the same name",
         {u"C:\\dir\\", u"dir", u"D:\\DIR\\", u"C:\\dir\\"},
         {u"dir", u""},
         4,
         3,
         kWindows},
        {"a full path is given the short name too",
         {u"C:\\a\\longfi~1.txt", u"C:\\b\\LONGFI~1.TXT\\"},
         {u"long file.txt", u"LONGFI~1.TXT"},
         2,
         0,
         kWindows},
        {"without a syntax of full paths they are compared whole",
         {u"C:\\a\\x.txt", u"x.txt"},
         {u"C:\\a\\x.txt", u""},
         2,
         2},
    };
    for (const Case& c : cases) {
        for (const CaseRule rule : {CaseRule::Insensitive, CaseRule::Sensitive}) {
            IndexedMatcher matcher(c.names, rule, collation, c.paths);
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
        const NameList names = list_of(panel.names);
        for (const CaseRule rule : {CaseRule::Insensitive, CaseRule::Sensitive}) {
            PlainMatcher plain(names, rule, exact, kWindows);
            const std::vector<std::size_t> expected = counts(plain, panel.items);
            for (std::size_t n : expected) {
                matches += n;
            }
            for (const auto& [what, collation] : collations) {
                IndexedMatcher indexed(names, rule, *collation, kWindows);
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

// The names no item matched, each distinct one once: what the list of names not found shows.
std::vector<std::u16string> not_found(IndexedMatcher& matcher, const NameList& names) {
    std::vector<std::u16string> result;
    for (const std::size_t index : matcher.tally().not_found) {
        result.emplace_back(names[index]);
    }
    return result;
}

TEST(IndexedMatcher, TalliesTheNamesNoItemMatchedInListOrderEachOnce) {
    const MemoryCollation collation;
    const NameList names = {u"b.txt",  u"A.TXT", u"missing",  u"a.txt", u"MISSING",
                            u"sub\\x", u"c.txt", u"LONGFI~1", u"gone",  u"missing"};
    const std::vector<RandomItem> items = {
        {u"a.txt", u""}, {u"B.TXT", u""}, {u"sub\\x", u""}, {u"long file.txt", u"LONGFI~1"}};
    const struct {
        CaseRule rule;
        std::size_t distinct;
        std::vector<std::u16string> not_found;
    } cases[] = {
        // Without case "A.TXT" and "a.txt" are one name, and so are the two spellings of
        // "missing"; the short name is a second chance.
        {CaseRule::Insensitive, 7, {u"missing", u"c.txt", u"gone"}},
        // With case every spelling is a name of its own, and short names do not count.
        {CaseRule::Sensitive,
         9,
         {u"b.txt", u"A.TXT", u"missing", u"MISSING", u"c.txt", u"LONGFI~1", u"gone"}},
    };
    for (const auto& c : cases) {
        IndexedMatcher matcher(names, c.rule, collation, {u'\\'}, NameTracking::On);
        (void)counts(matcher, items);
        EXPECT_EQ(matcher.tally().distinct, c.distinct);
        EXPECT_EQ(not_found(matcher, names), c.not_found);
    }
    // Untracked, the matcher keeps nothing to tell.
    IndexedMatcher untracked(names, CaseRule::Insensitive, collation, {u'\\'});
    (void)counts(untracked, items);
    EXPECT_TRUE(untracked.tally().not_found.empty());
}

// Full paths are found by their file names, and told apart as they are spelled.
TEST(IndexedMatcher, TalliesFullPathsAsTheyAreWritten) {
    const MemoryCollation collation;
    const NameList names = {u"/a/x",  u"/b/x", u"/A/X",    u"/c/gone", u"/d/gone",
                            u"/a/..", u"/",    u"/c/GONE", u"/e/dir/", u"x/y"};
    const std::vector<RandomItem> items = {{u"x", u""}, {u"dir", u""}, {u"y", u""}};
    const struct {
        CaseRule rule;
        std::vector<std::size_t> counts;
        std::size_t distinct;
        std::vector<std::u16string> not_found;
    } cases[] = {
        {CaseRule::Insensitive, {3, 1, 0}, 8, {u"/c/gone", u"/d/gone", u"/a/..", u"/", u"x/y"}},
        {CaseRule::Sensitive,
         {2, 1, 0},
         10,
         {u"/A/X", u"/c/gone", u"/d/gone", u"/a/..", u"/", u"/c/GONE", u"x/y"}},
    };
    for (const auto& c : cases) {
        IndexedMatcher matcher(names, c.rule, collation, {u'/', posix_full_path_root},
                               NameTracking::On);
        EXPECT_EQ(counts(matcher, items), c.counts);
        EXPECT_EQ(matcher.tally().distinct, c.distinct);
        EXPECT_EQ(not_found(matcher, names), c.not_found);
    }
}

// A list crafted so that every name shares one key hash: telling its names apart costs a few
// comparisons per name, never one for each pair of them.
TEST(IndexedMatcher, TalliesNamesOfOneKeyHashWithoutComparingEveryPair) {
    constexpr std::size_t kCount = 4000;
    for (const CaseRule rule : {CaseRule::Insensitive, CaseRule::Sensitive}) {
        const CountedComparisons collation;
        const std::vector<std::u16string> crafted = colliding_names(collation, rule, kCount);
        ASSERT_EQ(crafted.size(), kCount);
        // Each name twice, the second time in the other order; one of them on the panel.
        std::vector<std::u16string> spelled = crafted;
        spelled.insert(spelled.end(), crafted.rbegin(), crafted.rend());
        const NameList names = list_of(spelled);
        for (const std::u16string_view name : names) {
            ASSERT_EQ(collation.sort_key_hash(name, rule), collation.sort_key_hash(names[0], rule));
        }
        IndexedMatcher matcher(names, rule, collation, {u'\\'}, NameTracking::On);
        EXPECT_EQ(counts(matcher, {{crafted[1].c_str(), u""}}), std::vector<std::size_t>{2});

        collation.made = 0;
        const NameTally tally = matcher.tally();
        EXPECT_LT(collation.made, kCount * 40);  // every pair: 8 million
        EXPECT_EQ(tally.distinct, kCount);
        std::vector<std::size_t> expected(kCount);
        for (std::size_t i = 0; i < kCount; ++i) {
            expected[i] = i;
        }
        expected.erase(expected.begin() + 1);
        EXPECT_EQ(tally.not_found, expected);
    }
}

// A list crafted against a key hash that every process computes alike: different names whose
// hashes would share their low bits, and so a stretch of the index's table that each new name
// walks to its end. The process's secret scatters them as it does any names.
TEST(IndexedMatcher, NamesCraftedForOneStretchOfTheTableAreScatteredOverIt) {
    constexpr std::size_t kCount = 4000;
    constexpr std::uint64_t kLowBits = (1 << 20) - 1;  // a table for 800,000 names
    const MemoryCollation collation;
    for (const CaseRule rule : {CaseRule::Insensitive, CaseRule::Sensitive}) {
        const std::vector<std::u16string> crafted = crowding_names(collation, rule, kCount);
        ASSERT_EQ(crafted.size(), kCount);
        std::vector<std::uint64_t> low_bits;
        for (const std::u16string& name : crafted) {
            low_bits.push_back(*collation.sort_key_hash(name, rule) & kLowBits);
        }
        std::sort(low_bits.begin(), low_bits.end());
        const auto distinct = static_cast<std::size_t>(
            std::unique(low_bits.begin(), low_bits.end()) - low_bits.begin());
        EXPECT_GT(distinct, kCount * 9 / 10);  // at random: 3,992 of 4,000
    }
}

// The tally must be what comparing each name with every item finds, whatever the keys.
TEST(IndexedMatcher, TalliesAsThePlainRuleOnRandomPanels) {
    const MemoryCollation exact;
    const CoarseKeys coarse;
    const PatchyKeys patchy;
    const Collation* const collations[] = {&exact, &coarse, &patchy};
    std::size_t missing = 0;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        const RandomPanel panel = random_panel(seed, 30, 30);
        const NameList names = list_of(panel.names);
        for (const CaseRule rule : {CaseRule::Insensitive, CaseRule::Sensitive}) {
            // Each name alone against every item, then the first of each group of equal ones.
            std::vector<std::u16string> expected;
            std::vector<std::u16string> distinct;
            const auto equal_to = [&](std::u16string_view name) {
                return [&, name](const std::u16string& other) {
                    return exact.equal(other, name, rule);
                };
            };
            for (const std::u16string_view name : names) {
                const NameList alone = {name};
                PlainMatcher plain(alone, rule, exact, kWindows);
                const std::vector<std::size_t> hits = counts(plain, panel.items);
                const bool found =
                    std::any_of(hits.begin(), hits.end(), [](std::size_t n) { return n != 0; });
                if (std::none_of(distinct.begin(), distinct.end(), equal_to(name))) {
                    distinct.emplace_back(name);
                }
                if (!found && std::none_of(expected.begin(), expected.end(), equal_to(name))) {
                    expected.emplace_back(name);
                }
            }
            missing += expected.size();
            for (const Collation* collation : collations) {
                IndexedMatcher indexed(names, rule, *collation, kWindows, NameTracking::On);
                (void)counts(indexed, panel.items);
                ASSERT_EQ(not_found(indexed, names), expected) << "seed " << seed;
                ASSERT_EQ(indexed.tally().distinct, distinct.size()) << "seed " << seed;
            }
        }
    }
    EXPECT_GT(missing, 500u);
}

}  // namespace
}  // namespace pickwell::testing
