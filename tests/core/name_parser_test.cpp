#include "select/name_parser.h"

#include <gtest/gtest.h>

#include "support/narrow.h"

namespace pickwell::testing {
namespace {

struct ParseCase {
    std::u16string text;
    std::u16string separators;
    bool trim;
    NameList names;
};

std::ostream& operator<<(std::ostream& out, const ParseCase& c) {
    return out << '"' << narrow(c.text) << "\" separators \"" << narrow(c.separators) << "\" trim "
               << c.trim;
}

class ParseNames : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNames, SplitsTextIntoNames) {
    const ParseCase& c = GetParam();
    EXPECT_EQ(parse_names(c.text, c.separators, c.trim), c.names);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseNames,
    ::testing::Values(
        ParseCase{u"", u"", true, {}}, ParseCase{u"\r\n\r\n", u"", true, {}},
        ParseCase{u"a.txt\r\nb.txt", u"", true, {u"a.txt", u"b.txt"}},
        ParseCase{u"a.txt\r\nb.txt\r\n", u"", true, {u"a.txt", u"b.txt"}},
        ParseCase{u"  my file.txt  \r\nx", u"", true, {u"my file.txt", u"x"}},
        ParseCase{u"  my file.txt  \r\nx", u"", false, {u"  my file.txt  ", u"x"}},
        ParseCase{u"\"my file.txt\"", u"", true, {u"my file.txt"}},
        ParseCase{u"\" spaced \"", u"", true, {u" spaced "}},
        ParseCase{u"\"unterminated\r\nnext", u"", true, {u"unterminated", u"next"}},
        ParseCase{u"\"unterminated", u"", true, {u"unterminated"}},
        ParseCase{u"\"\" abc", u"", true, {u"abc"}}, ParseCase{u"\"\" abc", u"", false, {u" abc"}},
        ParseCase{u"\"\" \"abc\"", u"", true, {u"abc"}}, ParseCase{u"\"", u"", true, {}},
        ParseCase{u"ab\"c", u"", true, {u"ab\"c"}}, ParseCase{u"a\"b\"c", u"", true, {u"a\"b\"c"}},
        ParseCase{u"\"a\"b", u"", true, {u"a", u"b"}},
        ParseCase{u"a;b,c", u";,", true, {u"a", u"b", u"c"}},
        ParseCase{u"a; b ;c", u";", true, {u"a", u"b", u"c"}},
        ParseCase{u"a; b ;c", u";", false, {u"a", u" b ", u"c"}},
        ParseCase{u"\"a;b\";c", u";", true, {u"a;b", u"c"}},
        ParseCase{u"a\tb", u"", true, {u"a", u"b"}},
        ParseCase{u"a b c", u" ", false, {u"a", u"b", u"c"}},
        ParseCase{u"   ", u"", false, {u"   "}}, ParseCase{u"   ", u"", true, {}},
        ParseCase{u"x   ", u"", true, {u"x"}},
        // The text ends at its first NUL.
        ParseCase{std::u16string(u"a\0b", 3), u"", true, {u"a"}},
        ParseCase{std::u16string(u"\0a", 2), u"", true, {}},
        ParseCase{std::u16string(u"ab  \0cd", 7), u"", true, {u"ab"}},
        ParseCase{std::u16string(u"ab  \0cd", 7), u"", false, {u"ab  "}},
        ParseCase{std::u16string(u"\"a b\0c\"d", 8), u"", true, {u"a b"}},
        ParseCase{std::u16string(u"\"\0\"x", 4), u"", true, {}},
        ParseCase{std::u16string(u"a;\0b", 4), u";", true, {u"a"}},
        // Not even among the separators does a NUL let the text go on.
        ParseCase{std::u16string(u"a\0b;c", 5), std::u16string(u";\0", 2), true, {u"a"}},
        ParseCase{std::u16string(u";\0b", 3), std::u16string(u";\0", 2), false, {}},
        // Every control character separates and ends a quoted name; DEL and C1 do not.
        ParseCase{u"a\x01"
                  u"b\x1F"
                  u"c\x7F"
                  u"d\x85",
                  u"",
                  true,
                  {u"a", u"b",
                   u"c\x7F"
                   u"d\x85"}},
        ParseCase{u"\"a\x02"
                  u"b\"",
                  u"",
                  true,
                  {u"a", u"b\""}},
        // A quotation mark among the separators makes quoting impossible.
        ParseCase{u"\"a b\"", u"\"", true, {u"a b"}}, ParseCase{u"\"a b\"", u"\"", false, {u"a b"}},
        // Repeated and reordered separators change nothing; duplicates stay.
        ParseCase{u"b;;a,,b", u",;;,", true, {u"b", u"a", u"b"}},
        // Letters outside ASCII are ordinary characters, and may separate.
        ParseCase{u"Über·Größe", u"·", true, {u"Über", u"Größe"}}));

TEST(ParseNamesLong, KeepsEveryNameOfALongList) {
    std::u16string text;
    NameList expected;
    for (int i = 0; i < 20000; ++i) {
        const std::u16string name = u"file" + std::u16string(static_cast<std::size_t>(i % 7), u'x');
        expected.push_back(name);
        text += name + u"\r\n";
    }
    EXPECT_EQ(parse_names(text, u"", true), expected);
}

}  // namespace
}  // namespace pickwell::testing
