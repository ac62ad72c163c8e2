#include "platform/unit_search.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace pickwell::testing {
namespace {

// Every position in texts of every length up to a few words, among units that share a byte or
// a bit pattern with the one looked for, and at every alignment of the buffer.
TEST(FindUnit, FindsTheFirstUnitWhereverItIs) {
    constexpr char16_t kWanted = u'\\';
    const char16_t lookalikes[] = {0x015C, 0x5C00, 0x805C, 0x5C5C, 0x005B, 0x005D, 0xFFFF, 0};
    for (const char16_t filler : lookalikes) {
        for (std::size_t length = 0; length <= 13; ++length) {
            for (std::size_t at = 0; at <= length; ++at) {
                std::u16string text(length, filler);
                if (at < length) {
                    text[at] = kWanted;
                    if (at + 1 < length) {
                        text[at + 1] = kWanted;  // a later one must not win
                    }
                }
                for (std::size_t offset = 0; offset < 8; ++offset) {
                    std::vector<unsigned char> buffer(offset + text.size() * sizeof(char16_t));
                    if (!text.empty()) {
                        std::memcpy(buffer.data() + offset, text.data(),
                                    text.size() * sizeof(char16_t));
                    }
                    EXPECT_EQ(find_unit(buffer.data() + offset, length, kWanted), at)
                        << "filler " << int{filler} << " length " << length << " offset " << offset;
                }
            }
        }
    }
}

TEST(FindUnit, LooksForNulAsForAnyUnit) {
    EXPECT_EQ(find_unit(u"abcdefgh", 8, u'\0'), 8U);
    EXPECT_EQ(find_unit(u"abcd\0fgh", 8, u'\0'), 4U);
    EXPECT_EQ(find_unit(u"\x0100\x0001\x8000", 3, u'\0'), 3U);
    EXPECT_EQ(find_unit(nullptr, 0, u'\0'), 0U);
}

}  // namespace
}  // namespace pickwell::testing
