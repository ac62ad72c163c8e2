// The language files the host reads the module's texts from.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct LanguageFile {
    bool has_bom = false;
    std::string language_line;
    std::vector<std::string> messages;  // UTF-8, by number
};

LanguageFile read_language_file(const std::string& name) {
    std::ifstream in(std::string(PICKWELL_RES_DIR) + "/" + name, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LanguageFile file;
    file.has_bom = bytes.rfind("\xEF\xBB\xBF", 0) == 0;
    std::istringstream lines(file.has_bom ? bytes.substr(3) : bytes);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_LE(line.size(), 1000u) << name;
        line.erase(0, line.find_first_not_of(' '));
        if (line.rfind(".Language=", 0) == 0 && file.language_line.empty()) {
            file.language_line = line;
        } else if (line.rfind('"', 0) == 0) {
            EXPECT_EQ(line.back(), '"') << name << ": " << line;
            file.messages.push_back(line.substr(1, line.size() - 2));
        }
    }
    return file;
}

// The hot key of a text: the character after its '&', lower-cased for ASCII.
std::string hot_key(const std::string& text) {
    const auto at = text.find('&');
    if (at == std::string::npos || at + 1 >= text.size()) {
        return {};
    }
    const auto first = static_cast<unsigned char>(text[at + 1]);
    const std::size_t length = first < 0x80 ? 1 : first < 0xE0 ? 2 : 3;
    std::string key = text.substr(at + 1, length);
    if (length == 1) {
        key[0] = static_cast<char>(std::tolower(first));
    }
    return key;
}

TEST(LanguageFiles, HoldEveryMessageWithDistinctHotKeys) {
    const struct {
        const char* file;
        const char* language;
    } files[] = {{"PickwellEng.lng", ".Language=English,"},
                 {"PickwellRus.lng", ".Language=Russian,"}};
    for (const auto& expected : files) {
        const LanguageFile file = read_language_file(expected.file);
        EXPECT_TRUE(file.has_bom) << expected.file;
        EXPECT_EQ(file.language_line.rfind(expected.language, 0), 0u) << expected.file;
        ASSERT_EQ(file.messages.size(), 9u) << expected.file;
        for (const auto& text : file.messages) {
            EXPECT_FALSE(text.empty()) << expected.file;
        }
        // Buttons and check boxes, and the label that leads to the edit field.
        std::set<std::string> keys;
        for (const int number : {1, 2, 6, 7, 8}) {
            const std::string key = hot_key(file.messages[static_cast<std::size_t>(number)]);
            EXPECT_FALSE(key.empty()) << expected.file << " message " << number;
            EXPECT_TRUE(keys.insert(key).second) << expected.file << " repeats hot key " << key;
        }
    }
}

}  // namespace
