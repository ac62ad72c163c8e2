#include "host/command_settings.h"

#include "core/settings.h"

namespace pickwell {
namespace {

class CommandReading final : public SettingsReading {
  public:
    explicit CommandReading(std::unique_ptr<SettingsReading> reading)
        : reading_(std::move(reading)) {}

    std::optional<std::int64_t> number(const char16_t* name) override {
        return reading_->number(name);
    }
    std::optional<std::u16string> text(const char16_t* name) override {
        auto value = reading_->text(name);
        if (value && std::u16string_view(name) == kAddSeparators) {
            return without_supplementary(*value);
        }
        return value;
    }
    std::optional<std::u16string> text_for_field(const char16_t* name,
                                                 std::size_t capacity) override {
        return reading_->text_for_field(name, capacity);
    }

  private:
    std::unique_ptr<SettingsReading> reading_;
};

}  // namespace

std::u16string without_supplementary(std::u16string_view text) {
    std::u16string out;
    for (const char16_t unit : text) {
        if (unit < 0xD800 || unit > 0xDFFF) {
            out.push_back(unit);
        }
    }
    return out;
}

std::unique_ptr<SettingsReading> CommandSettingsStore::open_for_reading() {
    return std::make_unique<CommandReading>(store_.open_for_reading());
}

}  // namespace pickwell
