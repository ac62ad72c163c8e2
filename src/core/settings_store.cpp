#include "core/settings_store.h"

namespace pickwell {

std::optional<std::u16string> SettingsReading::text_for_field(const char16_t* name,
                                                              std::size_t capacity) {
    std::optional<std::u16string> value = text(name);
    if (value && value->size() >= capacity) {
        return std::nullopt;
    }
    return value;
}

}  // namespace pickwell
