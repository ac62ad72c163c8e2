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

// Far 2's module asks for messages 0 to 8; the Far 3 and far2l modules for more, with the same
// first nine.
constexpr std::size_t kFar2Messages = 9;
constexpr std::size_t kMessages = 25;

TEST(LanguageFiles, HoldEveryMessageWithDistinctHotKeys) {
    const struct {
        const char* file;
        const char* language;
        std::size_t messages;
    } files[] = {{"far2/PickwellEng.lng", ".Language=English,", kFar2Messages},
                 {"far2/PickwellRus.lng", ".Language=Russian,", kFar2Messages},
                 {"PickwellEng.lng", ".Language=English,", kMessages},
                 {"PickwellRus.lng", ".Language=Russian,", kMessages}};
    for (const auto& expected : files) {
        const LanguageFile file = read_language_file(expected.file);
        EXPECT_TRUE(file.has_bom) << expected.file;
        EXPECT_EQ(file.language_line.rfind(expected.language, 0), 0u) << expected.file;
        ASSERT_EQ(file.messages.size(), expected.messages) << expected.file;
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

TEST(LanguageFiles, TheLaterHostsShareFar2sTextsAndNumberTheirOwnAlike) {
    for (const char* language : {"Eng", "Rus"}) {
        const std::string name = std::string("Pickwell") + language + ".lng";
        const LanguageFile far2 = read_language_file("far2/" + name);
        const LanguageFile later = read_language_file(name);
        ASSERT_EQ(later.messages.size(), kMessages) << name;
        for (std::size_t i = 0; i < far2.messages.size(); ++i) {
            EXPECT_EQ(later.messages[i], far2.messages[i]) << name << " message " << i;
        }
        // Numbers stand in the texts that say them, as "%1" and "%2", and nowhere else.
        const struct {
            std::size_t message;
            const char* placeholders;
        } counted[] = {{10, "%1"}, {12, "%1"}, {14, "%1%2"}, {17, "%1"}, {23, "%1"}};
        for (const auto& c : counted) {
            std::string found;
            const std::string& text = later.messages[c.message];
            for (std::size_t at = text.find('%'); at != std::string::npos;
                 at = text.find('%', at + 1)) {
                found += text.substr(at, 2);
            }
            EXPECT_EQ(found, c.placeholders) << name << " message " << c.message;
        }
    }
}

// The characters of a UTF-8 text.
std::size_t characters_in(const std::string& text) {
    std::size_t count = 0;
    for (const char c : text) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

// `text` with its numbers as long as they come: a list may hold a million names.
std::string with_long_numbers(std::string text) {
    for (const char* placeholder : {"%1", "%2"}) {
        for (auto at = text.find(placeholder); at != std::string::npos;
             at = text.find(placeholder)) {
            text.replace(at, 2, "1234567");
        }
    }
    return text;
}

// In an 80x25 window the hosts' message boxes show at most 65 characters a line, and the list
// of names not found is no wider: every line the second entry shows, and the list's title and
// bottom line, fit that whole.
TEST(LanguageFiles, EveryLineOfTheReportFitsAnEightyColumnWindow) {
    constexpr std::size_t kWidest = 65;
    for (const char* name : {"PickwellEng.lng", "PickwellRus.lng"}) {
        const LanguageFile file = read_language_file(name);
        ASSERT_EQ(file.messages.size(), kMessages) << name;
        const auto& m = file.messages;
        // The message when all were found puts its two parts on one line.
        std::vector<std::string> lines = {m[0]};
        for (const std::size_t found : {10u, 11u}) {
            for (const std::size_t selected : {12u, 13u}) {
                lines.push_back(m[found] + "; " + m[selected] + ".");
            }
        }
        for (std::size_t shown = 14; shown < kMessages; ++shown) {
            lines.push_back(m[shown]);
        }
        for (const std::string& line : lines) {
            EXPECT_LE(characters_in(with_long_numbers(line)), kWidest) << name << ": " << line;
        }
    }
}

}  // namespace
