// Text at the far2l boundary: UTF-32 from the host and its clipboard, UTF-8 from files and URIs.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/far2l/utf32_text.h"
#include "platform/far2l/utf8_text.h"

namespace pickwell {
namespace {

std::vector<std::byte> block_of(std::u32string_view units, std::size_t extra_bytes = 0) {
    std::vector<std::byte> block(units.size() * sizeof(char32_t) + extra_bytes, std::byte{0x7F});
    std::memcpy(block.data(), units.data(), units.size() * sizeof(char32_t));
    return block;
}

TEST(ClipboardUtf32, ReadsUpToTheFirstNulOrTheEndOfTheBlock) {
    const struct {
        std::u32string block;
        std::size_t extra_bytes;  // a cut-off unit after the units
        std::u16string text;
    } cases[] = {
        {U"a.txt\nb.txt", 0, u"a.txt\nb.txt"},      // no terminator: the block's end
        {std::u32string(U"a\0b", 3), 0, u"a"},      // the first NUL ends it
        {U"\uFEFFname", 0, u"name"},                // one leading byte-order mark dropped
        {U"\uFEFF\uFEFFx", 0, u"\uFEFFx"},          // only one
        {U"x\uFEFF", 0, u"x\uFEFF"},                // only a leading one
        {U"\U0001F600.png", 0, u"\U0001F600.png"},  // outside the BMP: a surrogate pair
        {U"ab", 3, u"ab"},                          // a trailing part of a unit is not read
        {U"", 2, u""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(text_from_utf32_block(block_of(c.block, c.extra_bytes)), c.text);
    }
}

TEST(ClipboardUtf32, EachInvalidUnitEndsTheNameItIsIn) {
    // Above U+10FFFF or a surrogate: a control character, never part of a name and never
    // merging its neighbours; two invalid units never make a valid pair.
    const std::u32string units = {U'a', 0xD83D, 0xDE00, U'b', 0x110000, U'c', 0xFFFFFFFF};
    EXPECT_EQ(text_from_utf32_block(block_of(units)),
              (std::u16string{u'a', kInvalidInClipboard, kInvalidInClipboard, u'b',
                              kInvalidInClipboard, u'c', kInvalidInClipboard}));
}

TEST(HostUtf32, InvalidUnitsBecomeAnUnpairedLowSurrogate) {
    const struct {
        std::u32string host;
        std::u16string core;
    } cases[] = {
        {U"plain.txt", u"plain.txt"},
        {U"Stra\u00DFe \U0001F600", u"Stra\u00DFe \U0001F600"},
        {{0xD83D, 0xDE00}, {kInvalidInHostText, kInvalidInHostText}},  // not joined into a pair
        {{U'x', 0xDBFF, U'y'}, {u'x', kInvalidInHostText, u'y'}},
        {{0x110000}, {kInvalidInHostText}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(utf16_from_host(c.host.c_str()), c.core);
    }
    EXPECT_EQ(utf16_from_host(nullptr), u"");
}

TEST(HostUtf32, CoreTextGoesOutWithUnpairedSurrogatesReplaced) {
    EXPECT_EQ(utf32_from_utf16(u"a\U0001F600b"), U"a\U0001F600b");
    EXPECT_EQ(utf32_from_utf16(std::u16string{u'a', 0xD83D}), U"a\uFFFD");
    EXPECT_EQ(utf32_from_utf16(std::u16string{0xDE00, 0xD83D, u'b'}), U"\uFFFD\uFFFDb");
    EXPECT_EQ(code_points_in(u"a\U0001F600b"), 3u);
    EXPECT_EQ(code_points_in(std::u16string{0xDE00, 0xD83D}), 2u);
}

TEST(Utf8, DecodesOnlyWellFormedText) {
    EXPECT_EQ(utf16_from_utf8("Stra\xC3\x9F"
                              "e \xF0\x9F\x98\x80"),
              u"Stra\u00DFe \U0001F600");
    EXPECT_EQ(utf16_from_utf8(std::string("a\0b", 3)), std::u16string(u"a\0b", 3));
    const char* malformed[] = {
        "\x80",              // a stray continuation byte
        "\xC3",              // cut off
        "\xC0\xAF",          // overlong
        "\xE0\x80\xAF",      // overlong
        "\xED\xA0\x80",      // a surrogate
        "\xF4\x90\x80\x80",  // above U+10FFFF
        "\xFF",
    };
    for (const char* text : malformed) {
        EXPECT_EQ(utf16_from_utf8(text), std::nullopt) << text;
    }
}

TEST(Utf8, EncodesWhatItDecodes) {
    const std::u16string text = u"\u00E9\u20AC\U0001F600/x";
    EXPECT_EQ(utf8_from_utf16(text), "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80/x");
    EXPECT_EQ(utf16_from_utf8(utf8_from_utf16(text)), text);
    EXPECT_EQ(utf8_from_utf16(std::u16string{0xD800}), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace pickwell
