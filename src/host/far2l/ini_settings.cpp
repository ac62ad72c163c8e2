#include "host/far2l/ini_settings.h"

#include <charconv>
#include <vector>

#include "platform/far2l/ini_text.h"
#include "platform/far2l/utf32_text.h"
#include "platform/far2l/utf8_text.h"
#include "platform/settings_file.h"

namespace pickwell::far2l {
namespace {

constexpr std::string_view kSection = "Settings";

std::string key_of(const char16_t* name) {
    return utf8_from_utf16(name);
}

// A decimal number with an optional sign and nothing around it.
std::optional<std::int64_t> decimal(std::string_view text) {
    if (text.starts_with('+')) {
        text.remove_prefix(1);
    }
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

class IniReading final : public SettingsReading {
  public:
    explicit IniReading(std::string text) : text_(std::move(text)) {}

    std::optional<std::int64_t> number(const char16_t* name) override {
        const auto value = ini_value(text_, kSection, key_of(name));
        return value ? decimal(*value) : std::nullopt;
    }
    // A value that is no UTF-8 reads as missing.
    std::optional<std::u16string> text(const char16_t* name) override {
        const auto value = ini_value(text_, kSection, key_of(name));
        return value ? utf16_from_utf8(*value) : std::nullopt;
    }
    // The host's fields count characters, not UTF-16 units: a text fits when its characters
    // and the terminator do.
    std::optional<std::u16string> text_for_field(const char16_t* name,
                                                 std::size_t capacity) override {
        auto value = text(name);
        if (value && code_points_in(*value) >= capacity) {
            return std::nullopt;
        }
        return value;
    }

  private:
    std::string text_;
};

// Collects the values and writes them all at once when it goes.
class IniWriting final : public SettingsWriting {
  public:
    explicit IniWriting(std::optional<std::string> file) : file_(std::move(file)) {}
    IniWriting(const IniWriting&) = delete;
    IniWriting& operator=(const IniWriting&) = delete;
    ~IniWriting() override {
        try {
            commit();
        } catch (...) {  // out of memory: the values are lost, as with any failed write
        }
    }

    void number(const char16_t* name, std::int64_t value) override {
        set(name, std::to_string(value));
    }
    void text(const char16_t* name, std::u16string_view value) override {
        set(name, utf8_from_utf16(value));
    }

  private:
    void set(const char16_t* name, std::string value) {
        std::string key = key_of(name);
        for (IniValue& earlier : values_) {
            if (earlier.key == key) {
                earlier.value = std::move(value);
                return;
            }
        }
        values_.push_back({std::move(key), std::move(value)});
    }

    void commit() {
        if (!file_ || values_.empty()) {
            return;
        }
        // A file that is there but cannot be read is left alone: rewriting it would lose what
        // it holds.
        const FileContents current = read_settings_file(*file_);
        if (current.state == FileContents::State::Unreadable) {
            return;
        }
        (void)replace_settings_file(*file_, with_ini_values(current.bytes, kSection, values_));
    }

    std::optional<std::string> file_;
    std::vector<IniValue> values_;
};

}  // namespace

std::unique_ptr<SettingsReading> IniSettingsStore::open_for_reading() {
    FileContents contents =
        file_ ? read_settings_file(*file_) : FileContents{FileContents::State::Missing, {}};
    return std::make_unique<IniReading>(std::move(contents.bytes));
}

std::unique_ptr<SettingsWriting> IniSettingsStore::open_for_writing() {
    return std::make_unique<IniWriting>(file_);
}

}  // namespace pickwell::far2l
