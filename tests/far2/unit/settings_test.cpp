#include "host/far2/registry_settings.h"

#include <gtest/gtest.h>

#include <cstring>

#include "fixture.h"

namespace pickwell::testing {
namespace {

using far2::SettingsKey;
using far2::SettingsKeyPath;

std::vector<std::byte> raw(std::initializer_list<int> bytes) {
    std::vector<std::byte> out;
    for (const int b : bytes) {
        out.push_back(static_cast<std::byte>(b));
    }
    return out;
}

SettingsKeyPath path_under(const char16_t* root) {
    SettingsKeyPath path;
    path.compose(root);
    return path;
}

TEST(SettingsKeyPath, ComposesRootAndSubpathOrNothingWhenTooLong) {
    EXPECT_EQ(std::u16string(path_under(kRootKey).get()), kSettingsPath);

    // 259 characters fit with the terminator; 260 do not.
    const std::size_t fixed = 1 + SettingsKeyPath::kSubpath.size();
    const std::u16string longest(259 - fixed, u'r');
    EXPECT_EQ(std::u16string(path_under(longest.c_str()).get()).size(), 259u);
    const std::u16string too_long(260 - fixed, u'r');
    EXPECT_EQ(path_under(too_long.c_str()).get(), nullptr);
    EXPECT_EQ(path_under(std::u16string(100000, u'r').c_str()).get(), nullptr);
    EXPECT_EQ(path_under(nullptr).get(), nullptr);
}

class SettingsRead : public ::testing::Test {
  protected:
    SettingsKey open() { return SettingsKey::open_for_reading(registry, path); }
    void TearDown() override { EXPECT_EQ(registry.open_keys(), 0); }
    void store(const char16_t* name, std::uint32_t type, std::vector<std::byte> data) {
        registry.store(kSettingsPath, name, type, std::move(data));
    }

    MemoryRegistry registry;
    SettingsKeyPath path = path_under(kRootKey);
};

TEST_F(SettingsRead, FlagsByTheirFirstFourBytes) {
    struct Case {
        const char* what;
        std::uint32_t type;
        std::vector<std::byte> data;
        int expected;  // with a fallback of 7
    };
    const Case cases[] = {
        {"dword 0", 4, raw({0, 0, 0, 0}), 0},
        {"dword 1", 4, raw({1, 0, 0, 0}), 1},
        {"dword 2 as read", 4, raw({2, 0, 0, 0}), 2},
        {"negative", 4, raw({0xFF, 0xFF, 0xFF, 0xFF}), -1},
        {"binary of 8 bytes", 3, raw({5, 0, 0, 0, 9, 9, 9, 9}), 5},
        {"string \"0\" reads its code unit", 1, raw({'0', 0, 0, 0}), '0'},
        {"two bytes, zero-padded", 3, raw({3, 1}), 0x103},
        {"empty value", 3, {}, 0},
        {"longer than 8 bytes", 3, raw({1, 0, 0, 0, 0, 0, 0, 0, 0}), 7},
    };
    for (const Case& c : cases) {
        store(u"Flag", c.type, c.data);
        EXPECT_EQ(open().read_flag(u"Flag", 7), c.expected) << c.what;
    }
    EXPECT_EQ(open().read_flag(u"Missing", 7), 7);
    EXPECT_EQ(registry.open_keys(), 0);
}

TEST_F(SettingsRead, StringsWholeWithoutTheirTerminator) {
    struct Case {
        const char* what;
        std::vector<std::byte> data;
        std::u16string expected;
    };
    const std::u16string long_text(5000, u';');
    std::vector<std::byte> long_value = bytes_of(long_text + u'\0');
    const Case cases[] = {
        {"terminated", bytes_of(std::u16string(u";,\0", 3)), u";,"},
        {"zero bytes", {}, u""},
        {"no terminator drops the last unit", bytes_of(u";,"), u";"},
        {"odd byte count", raw({';', 0, ',', 0, 0}), u"fallback"},
        {"longer than any fixed buffer", long_value, long_text},
    };
    for (const Case& c : cases) {
        store(u"Text", 7, c.data);
        EXPECT_EQ(open().read_string(u"Text", u"fallback"), c.expected) << c.what;
    }
    EXPECT_EQ(open().read_string(u"Missing", u"fallback"), u"fallback");
}

TEST_F(SettingsRead, AStringThatGrowsBetweenTheTwoQueriesGivesTheDefault) {
    registry.store_string(kSettingsPath, u"Text", u"ab");
    int queries = 0;
    registry.before_query([&] {
        if (++queries == 2) {
            registry.store_string(kSettingsPath, u"Text", u"abcdefgh");
        }
    });
    EXPECT_EQ(open().read_string(u"Text", u"fallback"), u"fallback");
}

TEST_F(SettingsRead, NoKeyOrNoPathGivesDefaultsAndLosesWrites) {
    EXPECT_FALSE(open().is_open());
    EXPECT_EQ(open().read_flag(kTrimSpaces, 1), 1);
    EXPECT_EQ(open().read_string(kAddSeparators, u""), u"");

    const SettingsKeyPath no_path = path_under(std::u16string(300, u'r').c_str());
    const auto key = SettingsKey::create_for_writing(registry, no_path);
    EXPECT_FALSE(key.write_flag(kCaseSensitive, true));
    EXPECT_FALSE(registry.has_key(kSettingsPath));
}

TEST_F(SettingsRead, WritesDwordsAndTerminatedStrings) {
    {
        const auto key = SettingsKey::create_for_writing(registry, path);
        EXPECT_TRUE(key.write_flag(kCaseSensitive, true));
        EXPECT_TRUE(key.write_flag(kTrimSpaces, false));
        EXPECT_TRUE(key.write_string(kAddSeparators, u";,"));
        EXPECT_EQ(registry.open_keys(), 1);
    }
    EXPECT_EQ(registry.open_keys(), 0);
    const auto flag = registry.value(kSettingsPath, kCaseSensitive);
    ASSERT_TRUE(flag);
    EXPECT_EQ(flag->type, 4u);
    EXPECT_EQ(flag->data, raw({1, 0, 0, 0}));
    EXPECT_EQ(registry.value(kSettingsPath, kTrimSpaces)->data, raw({0, 0, 0, 0}));
    const auto text = registry.value(kSettingsPath, kAddSeparators);
    EXPECT_EQ(text->type, 1u);
    EXPECT_EQ(text->data, bytes_of(std::u16string(u";,\0", 3)));
}

TEST_F(SettingsRead, FixedBufferReadEndsInsideTheBuffer) {
    std::array<char16_t, 256> buffer{};
    registry.store_string(kSettingsPath, u"Text", u";,");
    EXPECT_TRUE(open().read_string_into(u"Text", buffer));
    EXPECT_EQ(std::u16string(buffer.data()), u";,");

    // 512 bytes with no terminator fit the buffer exactly; the last unit becomes the end.
    buffer.fill(u'\0');
    store(u"Text", 1, bytes_of(std::u16string(256, u'x')));
    EXPECT_TRUE(open().read_string_into(u"Text", buffer));
    EXPECT_EQ(std::u16string(buffer.data()), std::u16string(255, u'x'));

    // 256 characters and a terminator do not fit: the field opens empty.
    buffer.fill(u'\0');
    registry.store_string(kSettingsPath, u"Text", std::u16string(256, u'x'));
    EXPECT_FALSE(open().read_string_into(u"Text", buffer));
    EXPECT_EQ(std::u16string(buffer.data()), u"");
}

}  // namespace
}  // namespace pickwell::testing
