#include "core_stand_ins.h"

#include <fstream>
#include <iterator>
#include <sstream>

namespace pickwell::testing {
namespace {

class MapReading final : public SettingsReading {
  public:
    explicit MapReading(const MapSettings& store) : store_(store) {}
    std::optional<std::int64_t> number(const char16_t* name) override {
        const auto found = store_.numbers.find(name);
        return found != store_.numbers.end() ? std::optional(found->second) : std::nullopt;
    }
    std::optional<std::u16string> text(const char16_t* name) override {
        const auto found = store_.texts.find(name);
        return found != store_.texts.end() ? std::optional(found->second) : std::nullopt;
    }

  private:
    const MapSettings& store_;
};

class MapWriting final : public SettingsWriting {
  public:
    explicit MapWriting(MapSettings& store) : store_(store) {}
    void number(const char16_t* name, std::int64_t value) override { store_.numbers[name] = value; }
    void text(const char16_t* name, std::u16string_view value) override {
        store_.texts[name] = std::u16string(value);
    }

  private:
    MapSettings& store_;
};

// UTF-8 as the language files hold it: well formed, so each sequence is taken as it comes.
std::u16string utf16_of(std::string_view utf8) {
    std::u16string text;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k) {
            point = (point << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        if (point >= 0x10000) {
            point -= 0x10000;
            text += static_cast<char16_t>(0xD800 + (point >> 10));
            text += static_cast<char16_t>(0xDC00 + (point & 0x3FF));
        } else {
            text += static_cast<char16_t>(point);
        }
        i += length;
    }
    return text;
}

std::vector<std::u16string> english_messages() {
    std::ifstream in(std::string(PICKWELL_RES_DIR) + "/PickwellEng.lng", std::ios::binary);
    std::vector<std::u16string> messages;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const auto first = line.find_first_not_of(' ');
        if (first != std::string::npos && line[first] == '"' && line.size() >= first + 2) {
            messages.push_back(utf16_of(line.substr(first + 1, line.size() - first - 2)));
        }
    }
    return messages;
}

}  // namespace

std::vector<std::u16string> ListPanel::selected() const {
    std::vector<std::u16string> names;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        if (marks[i] != 0) {
            names.push_back(names_[i]);
        }
    }
    return names;
}

std::unique_ptr<SettingsReading> MapSettings::open_for_reading() {
    return std::make_unique<MapReading>(*this);
}

std::unique_ptr<SettingsWriting> MapSettings::open_for_writing() {
    return std::make_unique<MapWriting>(*this);
}

const char16_t* EnglishTexts::text(Message id) {
    static const std::vector<std::u16string> messages = english_messages();
    const auto index = static_cast<std::size_t>(id);
    return index < messages.size() ? messages[index].c_str() : nullptr;
}

void RecordingView::show_message(std::u16string_view title, std::span<const std::u16string> lines,
                                 bool warning) {
    shown.push_back({std::u16string(title), u"", {lines.begin(), lines.end()}, warning, false, 0});
}

ListClosed RecordingView::show_list(std::u16string_view title, std::u16string_view bottom,
                                    std::span<const std::u16string> lines, std::size_t selected) {
    shown.push_back({std::u16string(title),
                     std::u16string(bottom),
                     {lines.begin(), lines.end()},
                     false,
                     true,
                     selected});
    if (answers.empty()) {
        return {false, selected};
    }
    const ListClosed answer = answers.front();
    answers.pop_front();
    return answer;
}

bool RecordingView::copy_text(std::u16string_view text) {
    bool held = clipboard_held;
    if (!held_at_copy.empty()) {
        held = held_at_copy.front();
        held_at_copy.pop_front();
    }
    if (held) {
        return false;
    }
    copied.emplace_back(text);
    return true;
}

}  // namespace pickwell::testing
