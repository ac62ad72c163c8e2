// The help files each module ships beside it, read as the hosts read them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The hosts find a topic whatever its case.
std::string folded(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name;
}

struct Topic {
    std::string name;
    std::set<std::string> links;  // the topics it links to, case folded
};

struct HelpFile {
    std::string path;
    bool has_bom = false;
    bool valid_utf8 = false;
    std::vector<std::string> header;  // the lines before the first topic
    std::vector<Topic> topics;
    std::vector<std::string> faults;  // lines whose markup the host would misread
};

bool is_valid_utf8(const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = lead < 0x80                   ? 1
                                   : lead >= 0xC2 && lead < 0xE0 ? 2
                                   : lead >= 0xE0 && lead < 0xF0 ? 3
                                   : lead >= 0xF0 && lead < 0xF5 ? 4
                                                                 : 0;
        if (length == 0 || i + length > bytes.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

// `##`, `~~` and `@@` stand for the character itself; `#` opens and closes a highlight;
// `~text~@Topic@` is a link. Returns what is wrong with `line`, or nothing.
std::string scan_markup(const std::string& line, std::set<std::string>& links) {
    bool highlighted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if ((c == '#' || c == '~' || c == '@') && i + 1 < line.size() && line[i + 1] == c) {
            ++i;
        } else if (c == '#') {
            highlighted = !highlighted;
        } else if (c == '@') {
            return "an @ outside a link";
        } else if (c == '~') {
            std::size_t end = i + 1;
            while (end < line.size() && (line[end] != '~' || line[end + 1] == '~')) {
                end += line[end] == '~' ? 2 : 1;
            }
            if (end + 1 >= line.size() || line[end + 1] != '@') {
                return "a link without its @Topic@";
            }
            const std::size_t target_end = line.find('@', end + 2);
            if (target_end == std::string::npos || target_end == end + 2) {
                return "a link whose topic is not closed";
            }
            links.insert(folded(line.substr(end + 2, target_end - end - 2)));
            i = target_end;
        }
    }
    return highlighted ? "a highlight not closed" : "";
}

bool is_topic_name(const std::string& name) {
    return !name.empty() && std::all_of(name.begin(), name.end(),
                                        [](unsigned char c) { return std::isalnum(c) != 0; });
}

HelpFile read_help_file(const std::string& name) {
    HelpFile file;
    file.path = name;
    std::ifstream in(std::string(PICKWELL_RES_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in.is_open()) << name;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    file.has_bom = bytes.rfind("\xEF\xBB\xBF", 0) == 0;
    if (file.has_bom) {
        bytes.erase(0, 3);
    }
    file.valid_utf8 = is_valid_utf8(bytes);
    std::istringstream lines(bytes);
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const bool switches_wrapping = line == "@-" || line == "@+";
        if (line.rfind('@', 0) == 0 && !switches_wrapping) {
            const std::string topic = line.substr(1);
            if (!is_topic_name(topic)) {
                file.faults.push_back("line " + std::to_string(number) + ": topic '" + topic + "'");
            }
            file.topics.push_back({topic, {}});
        } else if (file.topics.empty()) {
            file.header.push_back(line);
        } else if (!switches_wrapping) {
            const std::string fault = scan_markup(line, file.topics.back().links);
            if (!fault.empty()) {
                file.faults.push_back("line " + std::to_string(number) + ": " + fault);
            }
        }
    }
    return file;
}

const Topic* find_topic(const HelpFile& file, const std::string& name) {
    const auto found = std::find_if(file.topics.begin(), file.topics.end(),
                                    [&](const Topic& t) { return folded(t.name) == folded(name); });
    return found != file.topics.end() ? &*found : nullptr;
}

// Each host reads its own pair of files. Far 2 and Far 3 need a byte-order mark to read UTF-8;
// far2l reads UTF-8 without one, and its English fallback is read without looking for one.
struct HostHelp {
    const char* folder;
    bool bom;
    std::vector<std::string> topics_opened;  // by a menu key, or by the module's own windows
};
const HostHelp kHosts[] = {
    {"far2", true, {"Contents", "Config"}},
    {"far3", true, {"Contents", "Config", "NotFound"}},
    {"far2l", false, {"Contents", "Config", "NotFound"}},
};

struct Language {
    const char* file;
    const char* language_line;
};
const Language kLanguages[] = {
    {"PickwellEng.hlf", ".Language=English,English"},
    {"PickwellRus.hlf", ".Language=Russian,Russian (Русский)"},
};

std::string path_of(const HostHelp& host, const Language& language) {
    return std::string(host.folder) + "/" + language.file;
}

TEST(HelpFiles, AreEncodedAndHeadedSoThatTheirHostPicksThemByLanguage) {
    for (const auto& host : kHosts) {
        for (const auto& language : kLanguages) {
            const HelpFile file = read_help_file(path_of(host, language));
            EXPECT_EQ(file.has_bom, host.bom) << file.path;
            EXPECT_TRUE(file.valid_utf8) << file.path;
            const auto has = [&](const std::string& line) {
                return std::find(file.header.begin(), file.header.end(), line) != file.header.end();
            };
            EXPECT_TRUE(has(language.language_line)) << file.path;
            EXPECT_TRUE(has(".PluginContents=Pickwell")) << file.path;
        }
    }
}

TEST(HelpFiles, HoldEachTopicTheModulesOpenOnceAndReachEveryTopicFromContents) {
    for (const auto& host : kHosts) {
        for (const auto& language : kLanguages) {
            const HelpFile file = read_help_file(path_of(host, language));
            ASSERT_FALSE(file.topics.empty()) << file.path;
            for (const auto& name : host.topics_opened) {
                EXPECT_NE(find_topic(file, name), nullptr) << file.path << " lacks @" << name;
            }
            std::set<std::string> names;
            for (const auto& topic : file.topics) {
                EXPECT_TRUE(names.insert(folded(topic.name)).second)
                    << file.path << " has @" << topic.name << " twice";
            }

            // A reader who opened Contents can follow links to every topic.
            std::set<std::string> reached = {"contents"};
            std::vector<std::string> to_visit = {"contents"};
            while (!to_visit.empty()) {
                const Topic* topic = find_topic(file, to_visit.back());
                to_visit.pop_back();
                ASSERT_NE(topic, nullptr) << file.path;
                for (const auto& link : topic->links) {
                    const bool exists = find_topic(file, link) != nullptr;
                    EXPECT_TRUE(exists)
                        << file.path << ": @" << topic->name << " links to missing @" << link;
                    if (exists && reached.insert(link).second) {
                        to_visit.push_back(link);
                    }
                }
            }
            EXPECT_EQ(reached, names) << file.path << ": topics no link leads to";
        }
    }
}

TEST(HelpFiles, CloseEveryHighlightAndLinkOnItsLine) {
    for (const auto& host : kHosts) {
        for (const auto& language : kLanguages) {
            const HelpFile file = read_help_file(path_of(host, language));
            EXPECT_TRUE(file.faults.empty())
                << file.path << ": " << ::testing::PrintToString(file.faults);
        }
    }
}

TEST(HelpFiles, OfOneHostHaveTheSameTopicsAndLinksInEachLanguage) {
    for (const auto& host : kHosts) {
        const HelpFile english = read_help_file(path_of(host, kLanguages[0]));
        const HelpFile russian = read_help_file(path_of(host, kLanguages[1]));
        ASSERT_EQ(english.topics.size(), russian.topics.size()) << host.folder;
        for (std::size_t i = 0; i < english.topics.size(); ++i) {
            EXPECT_EQ(english.topics[i].name, russian.topics[i].name) << host.folder;
            EXPECT_EQ(english.topics[i].links, russian.topics[i].links)
                << host.folder << " @" << english.topics[i].name;
        }
    }
}

}  // namespace
