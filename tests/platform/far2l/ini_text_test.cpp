// The INI dialect of the settings file, as text in and text out.
#include <gtest/gtest.h>

#include <array>

#include "platform/far2l/ini_text.h"

namespace pickwell {
namespace {

using namespace std::string_literals;

TEST(IniValueCoding, QuotesOnlyWhatWouldNotSurviveRaw) {
    const struct {
        std::string value;
        std::string stored;
    } cases[] = {
        {"", ""},
        {";,", ";,"},
        {"a b", "a b"},
        {"C:\\dir", "C:\\dir"},  // raw: a backslash is escaped only inside quotes
        {"a\tb", "a\tb"},
        {" ;", "\" ;\""},
        {"; ", "\"; \""},
        {"\t", "\"\\t\""},
        {"\"quoted\"", "\"\"quoted\"\""},
        {"\"", "\"\"\""},
        {"\"left", "\"left"},
        {"a\r\nb", "\"a\\r\\nb\""},
        {"a\0b"s, "\"a\\0b\""},
        {" \\ ", "\" \\\\ \""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ini_encoded(c.value), c.stored) << c.value;
        EXPECT_EQ(ini_decoded(c.stored), c.value) << c.stored;
    }
    // Escapes this dialect does not write are kept as they stand.
    EXPECT_EQ(ini_decoded("\"a\\qb\\\""), "a\\qb\\");
}

TEST(IniRead, FindsTheKeyInItsSection) {
    const std::string text =
        "\xEF\xBB\xBF[Other]\r\n"
        "AddSeparators=wrong\r\n"
        "\r\n"
        "[ Settings ]\r\n"
        "  CaseSensitive = 1  \r\n"
        "garbage line\r\n"
        "=no key\r\n"
        "AddSeparators=\" ;\"\r\n"
        "AddSeparators=second\r\n";
    EXPECT_EQ(ini_value(text, "Settings", "CaseSensitive"), "1");
    EXPECT_EQ(ini_value(text, "Settings", "AddSeparators"), " ;");  // the first line counts
    EXPECT_EQ(ini_value(text, "Settings", "TrimSpaces"), std::nullopt);
    EXPECT_EQ(ini_value(text, "settings", "CaseSensitive"), std::nullopt);
    EXPECT_EQ(ini_value("CaseSensitive=1\n", "Settings", "CaseSensitive"), std::nullopt);
    EXPECT_EQ(ini_value("", "Settings", "CaseSensitive"), std::nullopt);
}

TEST(IniWrite, ChangesOnlyTheLinesItOwns) {
    const std::array<IniValue, 3> values = {
        {{"AddSeparators", " ;"}, {"CaseSensitive", "1"}, {"TrimSpaces", "0"}}};
    const struct {
        const char* name;
        std::string before;
        std::string after;
    } cases[] = {
        {"a new file", "", "[Settings]\nAddSeparators=\" ;\"\nCaseSensitive=1\nTrimSpaces=0\n\n"},
        {"another section first", "[Other]\nkey=value\n",
         "[Other]\nkey=value\n\n[Settings]\nAddSeparators=\" ;\"\nCaseSensitive=1\n"
         "TrimSpaces=0\n\n"},
        {"keys rewritten in place, duplicates dropped, others kept",
         "; comment\r\n[Settings]\r\nTrimSpaces=1\r\nMine=x\r\nTrimSpaces=1\r\n\r\n[Next]\r\n"
         "CaseSensitive=7\r\n",
         "; comment\r\n[Settings]\r\nTrimSpaces=0\nMine=x\r\nAddSeparators=\" ;\"\n"
         "CaseSensitive=1\n\r\n[Next]\r\nCaseSensitive=7\r\n"},
        {"missing keys go into the first block",
         "[Settings]\nCaseSensitive=0\n\n[Other]\nx=1\n[Settings]\nAddSeparators=old\n",
         "[Settings]\nCaseSensitive=1\nTrimSpaces=0\n\n[Other]\nx=1\n[Settings]\n"
         "AddSeparators=\" ;\"\n"},
        {"a byte-order mark and a last line without its end",
         "\xEF\xBB\xBF[Settings]\nAddSeparators=x",
         "\xEF\xBB\xBF[Settings]\nAddSeparators=\" ;\"\nCaseSensitive=1\nTrimSpaces=0\n"},
    };
    for (const auto& c : cases) {
        const std::string after = with_ini_values(c.before, "Settings", values);
        EXPECT_EQ(after, c.after) << c.name;
        for (const IniValue& v : values) {
            EXPECT_EQ(ini_value(after, "Settings", v.key), v.value) << c.name;
        }
        // Writing what is there already changes nothing more.
        EXPECT_EQ(with_ini_values(after, "Settings", values), after) << c.name;
    }
}

}  // namespace
}  // namespace pickwell
