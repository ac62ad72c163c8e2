// The names no item matched, as the list shows them and as its copy on the clipboard holds them.
#include "report/not_found_list.h"

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "select/name_parser.h"
#include "support/narrow.h"

namespace pickwell::testing {
namespace {

TEST(ShownName, MakesEveryCharacterVisibleAndKeepsBothEndsOfALongName) {
    const struct {
        std::u16string name;
        std::size_t width;
        std::u16string shown;
    } cases[] = {
        {u"report.txt", 72, u"report.txt"},
        {u"a\tb\r\nc", 72, u"a\u2409b\u240D\u240Ac"},
        {std::u16string(u"nul\0end", 7), 72, u"nul\u2400end"},
        {u"del\u007F", 72, u"del\u2421"},
        {u"next\u0085line\u2028sep", 72, u"next<U+0085>line<U+2028>sep"},
        {u"lone\xD800.txt", 72, u"lone<U+D800>.txt"},
        {u"pair\U0001F600.txt", 72, u"pair\U0001F600.txt"},
        // Ten characters kept in all: six of the start, the ellipsis, three of the end.
        {u"0123456789abcdef.txt", 10, u"012345\u2026txt"},
        {u"0123456789", 10, u"0123456789"},
        {u"0123456789", 2, u"01"},  // too narrow for both ends: the start alone
        // A surrogate pair counts as one character and is never cut in half.
        {u"\U0001F600\U0001F600\U0001F600\U0001F600\U0001F600\U0001F600\U0001F600xyz.txt", 10,
         u"\U0001F600\U0001F600\U0001F600\U0001F600\U0001F600\U0001F600\u2026txt"},
        // A control character shown widens the name before it is shortened.
        {u"\x01\x02\x03\x04\x05\x06\x07\x08\x0B\x0C\x0E", 10,
         u"\u2401\u2402\u2403\u2404\u2405\u2406\u2026\u240B\u240C\u240E"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(narrow(shown_name(c.name, c.width)), narrow(c.shown)) << narrow(c.name);
    }
}

// A name far wider than the list costs what its line shows: only its ends are read and made
// visible. Its middle here is memory that may not be read at all.
TEST(ShownName, ReadsOnlyTheEndsOfALongName) {
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    constexpr std::size_t kPages = 64;
    void* const mapped =
        mmap(nullptr, page * kPages, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(mapped, MAP_FAILED);
    auto* const units = static_cast<char16_t*>(mapped);
    const std::size_t length = page * kPages / sizeof(char16_t);
    // Each U+0085 shows as eight characters, "<U+0085>".
    std::fill(units, units + length, u'\u0085');
    units[length - 1] = u'z';
    ASSERT_EQ(mprotect(static_cast<char*>(mapped) + page, page * (kPages - 2), PROT_NONE), 0);

    const std::u16string shown = shown_name({units, length}, 72);
    EXPECT_EQ(narrow(shown), narrow(shown_name(std::u16string(100, u'\u0085') + u'z', 72)));
    EXPECT_EQ(narrow(shown),
              narrow(u"<U+0085><U+0085><U+0085><U+0085><U+0085><U+\u202685><U+0085><U+0085>"
                     u"<U+0085>z"));
    munmap(mapped, page * kPages);
}

TEST(QuotedForParser, QuotesOnlyWhatTheParserWouldChange) {
    const std::optional<std::u16string> none;
    const struct {
        std::u16string name;
        std::u16string separators;
        bool trim;
        std::optional<std::u16string> written;
    } cases[] = {
        {u"plain.txt", u"", true, u"plain.txt"},
        {u"my file.txt", u"", true, u"my file.txt"},
        {u" lead.txt", u"", true, u"\" lead.txt\""},
        {u"trail.txt ", u"", true, u"\"trail.txt \""},
        {u" lead.txt", u"", false, u" lead.txt"},  // kept as it is without trimming
        {u"a;b.txt", u";", true, u"\"a;b.txt\""},
        {u"a;b.txt", u",", true, u"a;b.txt"},
        {u"a b", u" ", false, u"\"a b\""},  // a space that separates
        {u"ab\"c", u"", true, u"ab\"c"},    // a quotation mark inside is an ordinary character
        {u"ab\"c", u"\"", true, none},      // ... unless it separates
        // far2l's clipboard would take a byte order mark first for the text's own.
        {u"\uFEFFbom.txt", u"", true, u"\"\uFEFFbom.txt\""},
        {u"in\uFEFFside", u"", true, u"in\uFEFFside"},
        // What no text can hold.
        {u"\"first", u"", true, none},
        {u"\"first", u"", false, none},
        {u"a;b\"c", u";", true, none},
        {u"a;b", u";\"", true, none},
        {u"line\nbreak", u"", true, none},
        {u"tab\tname", u"\t", false, none},
        {u"nul", u"", true, u"nul"},
        {std::u16string(u"nul\0", 4), u"", true, none},
    };
    for (const auto& c : cases) {
        const auto written = quoted_for_parser(c.name, c.separators, c.trim);
        EXPECT_EQ(written.has_value(), c.written.has_value()) << narrow(c.name);
        EXPECT_EQ(narrow(written.value_or(u"(none)")), narrow(c.written.value_or(u"(none)")))
            << narrow(c.name) << " with separators " << narrow(c.separators);
    }
}

// Whatever the settings, the copy reads back as the same names, but for those no text can hold,
// which it leaves out and counts.
TEST(TextForParser, ReadsBackAsTheSameNames) {
    const std::vector<std::u16string> names = {
        u"plain.txt",     u" lead",    u"trail ",    u"  both  ",          u"a;b",
        u"x,y z",         u"in\"side", u"tab-free",  u"\u00E9t\u00E9.txt", u"\U0001F600.png",
        u"sub\\file.txt", u" ",        u"\uFEFFbom", u"\"quoted",          u"tab\there"};
    NameList list;
    std::vector<std::size_t> all;
    for (const auto& name : names) {
        all.push_back(list.size());
        list.push_back(name);
    }
    for (const std::u16string separators : {u"", u";", u";, "}) {
        for (const bool trim : {true, false}) {
            for (const std::u16string line_break : {u"\r\n", u"\n"}) {
                const ParserText copy = text_for_parser(list, all, separators, trim, line_break);
                NameList held;
                for (const auto& name : names) {
                    if (quoted_for_parser(name, separators, trim)) {
                        held.push_back(name);
                    }
                }
                EXPECT_EQ(parse_names(copy.text, separators, trim), held)
                    << narrow(copy.text) << " with separators \"" << narrow(separators) << "\""
                    << (trim ? " trimmed" : "");
                EXPECT_EQ(copy.left_out, names.size() - held.size());
            }
        }
    }
    // Only the names asked for, in the order asked.
    const std::vector<std::size_t> some = {2, 13, 0};
    const ParserText copy = text_for_parser(list, some, u"", true, u"\r\n");
    EXPECT_EQ(narrow(copy.text), narrow(u"\"trail \"\r\nplain.txt\r\n"));
    EXPECT_EQ(copy.left_out, 1u);
}

TEST(WithNumbers, PutsTheNumbersInPlace) {
    EXPECT_EQ(narrow(with_numbers(u"%1 of %2 names not found", 2, 5)), "2 of 5 names not found");
    EXPECT_EQ(narrow(with_numbers(u"All %1 names found", 100000)), "All 100000 names found");
    EXPECT_EQ(narrow(with_numbers(u"%2, %1, %3 and 100%", 0, 7)), "7, 0, %3 and 100%");
}

}  // namespace
}  // namespace pickwell::testing
