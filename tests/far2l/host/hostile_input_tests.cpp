// The built module on what no well-behaved host or clipboard gives: invalid and huge texts,
// huge panels, broken settings files and profiles that cannot be written.
#include <filesystem>

#include "module_fixture.h"

namespace pickwell::far2l_host {
namespace {

class HostileInputTest : public ModuleTest {};

TEST_F(HostileInputTest, InvalidUtf32EndsNamesAndNeverMatches) {
    // Surrogates and units beyond Unicode split the text; item names holding them match no name.
    const std::u32string text = {U'a', 0xDC00, U'b', 0xFFFFFFFF, U'c', 0xD800, 0xDC00, U'x', U'y'};
    clipboard_put_text(text);
    const std::vector<std::u32string> items = {U"a", U"b", U"c", U"xy", {U'a', 0xDC00, U'b'}};
    EXPECT_EQ(run_command(items), (std::vector<int>{1, 1, 1, 1, 0}));

    // A block that ends inside a unit, with no terminator: only its whole units are read.
    const std::u32string units = U"abc";
    clipboard_put_block(13, {reinterpret_cast<const char*>(units.data()), 10});
    EXPECT_EQ(run_command({U"ab", U"abc"}), (std::vector<int>{1, 0}));
}

TEST_F(HostileInputTest, AHundredMegabyteText) {
    // 25 million UTF-32 units of short names, one of them naming the only item.
    std::u32string text;
    text.reserve(25'000'000);
    while (text.size() < 25'000'000 - 16) {
        text += U"name-000000\n";
    }
    text += U"wanted\n";
    clipboard_put_text(text);
    EXPECT_EQ(run_command({U"wanted", U"other"}), (std::vector<int>{1, 0}));
}

TEST_F(HostileInputTest, AMillionItemPanel) {
    std::vector<std::u32string> items(1'000'000);
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i] = U"file-" + std::u32string(1, U'a' + static_cast<char32_t>(i % 26)) +
                   std::u32string(1, U'0' + static_cast<char32_t>(i / 26 % 10));
    }
    clipboard_put_text(U"FILE-a0\nfile-z9");
    const std::vector<int> counts = run_command(items);
    for (std::size_t i = 0; i < counts.size(); ++i) {
        ASSERT_EQ(counts[i], items[i] == U"file-a0" || items[i] == U"file-z9" ? 1 : 0) << i;
    }
}

TEST_F(HostileInputTest, BrokenSettingsFilesReadAsTheDefaults) {
    const struct {
        const char* what;
        std::string contents;
    } files[] = {
        {"binary", std::string("\0\xFF\xFE[Settings\n=\n\x01", 14)},
        {"keys outside the section", "CaseSensitive=1\nTrimSpaces=0\n"},
        {"bad values", "[Settings]\nCaseSensitive=yes\nTrimSpaces=\nAddSeparators=\"\\\n"},
        {"not UTF-8", "[Settings]\nAddSeparators=\xC3(\n"},
        {"a quote that never closes", "[Settings]\nAddSeparators=\"a\n"},
    };
    clipboard_put_text(U" A ");
    for (const auto& file : files) {
        testing::write_file(settings_file(), file.contents);
        EXPECT_EQ(run_command({U"a", U"(", U"\"a"}), (std::vector<int>{1, 0, 0})) << file.what;
        // The dialog shows the defaults, and writing keeps every line it does not own.
        host.dialog = {};
        EXPECT_EQ(module().configure(0), far2l::kTrue) << file.what;
        EXPECT_NE(testing::read_file(settings_file()).find("TrimSpaces=1"), std::string::npos);
    }
}

TEST_F(HostileInputTest, AnUnreadableSettingsFileIsNeverReplaced) {
    std::filesystem::create_directories(settings_file());  // a folder where the file should be
    testing::write_file(settings_file() + "/kept", "x");
    clipboard_put_text(U"A");
    EXPECT_EQ(run_command({U"a"}), std::vector<int>{1});
    EXPECT_EQ(module().configure(0), far2l::kTrue);
    EXPECT_EQ(testing::read_file(settings_file() + "/kept"), "x");
}

TEST_F(HostileInputTest, AnUnwritableProfileLosesTheValuesQuietly) {
    // Running as root ignores permission bits: a regular file in the way blocks the folder.
    testing::write_file(profile / ".config", "a file, not a folder");
    host.dialog.checks[4] = 1;
    EXPECT_EQ(module().configure(0), far2l::kTrue);
    EXPECT_EQ(testing::read_file(profile / ".config"), "a file, not a folder");
    clipboard_put_text(U"A");
    EXPECT_EQ(run_command({U"a"}), std::vector<int>{1});  // still the default: without case
}

}  // namespace
}  // namespace pickwell::far2l_host
