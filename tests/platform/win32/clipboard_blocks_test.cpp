#include "platform/win32/clipboard_blocks.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/block_builders.h"
#include "support/narrow.h"

namespace pickwell::testing {
namespace {

std::u16string latin1(std::string_view ansi) {
    std::u16string wide;
    for (const char c : ansi) {
        wide.push_back(static_cast<unsigned char>(c));
    }
    return wide;
}

TEST(TextFromBlock, TakesTheTextUpToItsFirstNulOrTheBlockEnd) {
    EXPECT_EQ(text_from_block(bytes_of(std::u16string(u"a.txt\0junk", 10))), u"a.txt");
    EXPECT_EQ(text_from_block(bytes_of(u"no terminator")), u"no terminator");
    EXPECT_EQ(text_from_block({}), u"");
    EXPECT_EQ(text_from_block(bytes_of(std::u16string(u"abcdefg\0", 8))), u"abcdefg");
    EXPECT_EQ(text_from_block(bytes_of(std::u16string(u"\0bc", 3))), u"");
    // A block that does not start on a code unit's alignment.
    auto shifted = bytes_of(std::u16string(u"abcde\0f", 7));
    shifted.insert(shifted.begin(), std::byte{'?'});
    EXPECT_EQ(text_from_block(std::span(shifted).subspan(1)), u"abcde");
    // An odd last byte is half a code unit: it is not read.
    auto odd = bytes_of(u"ab");
    odd.push_back(std::byte{'c'});
    EXPECT_EQ(text_from_block(odd), u"ab");
}

TEST(PathsFromDropBlock, ReadsWideAndAnsiLists) {
    const std::vector<std::u16string> paths = {u"C:\\dir\\x.txt", u"D:\\", u"Ünïcode"};
    EXPECT_EQ(paths_from_drop_block(drop_block(paths, true), latin1), paths);
    EXPECT_EQ(paths_from_drop_block(drop_block({u"C:\\ansi\\\u00E9.txt"}, false), latin1),
              std::vector<std::u16string>{u"C:\\ansi\\\u00E9.txt"});
}

TEST(PathsFromDropBlock, ReadsAPathLongerThanMaxPathWhole) {
    const std::u16string path = u"\\\\?\\C:\\" + std::u16string(300, u'd') + u"\\file.txt";
    EXPECT_EQ(paths_from_drop_block(drop_block({path}), latin1), std::vector<std::u16string>{path});
}

TEST(PathsFromDropBlock, StaysInsideAMalformedBlock) {
    auto block = drop_block({u"C:\\a.txt", u"C:\\b.txt"});
    const std::vector<std::u16string> both = {u"C:\\a.txt", u"C:\\b.txt"};
    EXPECT_EQ(paths_from_drop_block(block, latin1), both);

    // Cut inside the second path: that path is dropped, not shortened.
    auto cut = block;
    cut.resize(20 + (9 + 5) * 2);
    EXPECT_EQ(paths_from_drop_block(cut, latin1), std::vector<std::u16string>{u"C:\\a.txt"});

    // Offsets past the end, at the very end, and a header that does not fit.
    for (const std::uint32_t offset : {static_cast<std::uint32_t>(block.size()) + 1, 0xFFFFFFFFu,
                                       static_cast<std::uint32_t>(block.size())}) {
        auto moved = block;
        std::memcpy(moved.data(), &offset, sizeof offset);
        EXPECT_TRUE(paths_from_drop_block(moved, latin1).empty()) << offset;
    }
    block.resize(19);
    EXPECT_TRUE(paths_from_drop_block(block, latin1).empty());
}

}  // namespace
}  // namespace pickwell::testing
