#include "stored_settings.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "host/far2/registry_settings.h"
#include "vocabulary.h"

namespace pickwell::fuzzing {
namespace {

std::vector<std::byte> units_as_bytes(const std::u16string& text) {
    std::vector<std::byte> bytes(text.size() * sizeof(char16_t));
    if (!bytes.empty()) {
        std::memcpy(bytes.data(), text.data(), bytes.size());
    }
    return bytes;
}

// A value of any type; its data a dword, a short run of any bytes, or a text of any length,
// terminated or not, maybe with half a code unit more.
std::optional<StoredValue> fuzzed_value(FuzzedDataProvider& in) {
    if (in.ConsumeBool()) {
        return std::nullopt;
    }
    constexpr std::uint32_t kTypes[] = {1, 3, 4, 2, 7, 11, 0};
    StoredValue value;
    value.type = in.ConsumeBool() ? kTypes[in.ConsumeIntegralInRange<std::size_t>(0, 6)]
                                  : in.ConsumeIntegral<std::uint32_t>();
    switch (in.ConsumeIntegralInRange(0, 2)) {
        case 0: {
            const std::uint32_t number = in.ConsumeIntegral<std::uint32_t>();
            value.data.resize(sizeof number);
            std::memcpy(value.data.data(), &number, sizeof number);
            break;
        }
        case 1:
            for (auto byte :
                 in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegralInRange<std::size_t>(0, 12))) {
                value.data.push_back(static_cast<std::byte>(byte));
            }
            break;
        default: {
            // Around the dialog's 256 units, with a unit that may separate, and maybe a
            // character outside the BMP.
            std::u16string text(in.ConsumeIntegralInRange<std::size_t>(0, 300),
                                in.ConsumeBool() ? u';' : in.ConsumeIntegral<char16_t>());
            if (in.ConsumeBool()) {
                text.insert(in.ConsumeIntegralInRange<std::size_t>(0, text.size()),
                            Vocabulary::outside_bmp(in));
            }
            if (in.ConsumeBool()) {
                text.push_back(u'\0');
            }
            value.data = units_as_bytes(text);
            if (in.ConsumeBool()) {
                value.data.push_back(std::byte{0x2C});
            }
        }
    }
    return value;
}

}  // namespace

StoredSettings StoredSettings::fuzzed(FuzzedDataProvider& in) {
    StoredSettings settings;
    settings.key_exists = in.ConsumeIntegralInRange(0, 7) != 0;
    if (settings.key_exists) {
        settings.separators = fuzzed_value(in);
        settings.case_sensitive = fuzzed_value(in);
        settings.trim_spaces = fuzzed_value(in);
    }
    return settings;
}

void StoredSettings::store_in(MemoryRegistry& registry) const {
    if (!key_exists) {
        return;
    }
    registry.close(registry.create_for_writing(kSettingsPath));
    const auto store = [&](const char16_t* name, const std::optional<StoredValue>& value) {
        if (value) {
            registry.store(kSettingsPath, name, value->type, value->data);
        }
    };
    store(kAddSeparators, separators);
    store(kCaseSensitive, case_sensitive);
    store(kTrimSpaces, trim_spaces);
}

int flag_as_read(const std::optional<StoredValue>& value, int fallback) {
    if (!value || value->data.size() > 8) {
        return fallback;
    }
    // Little-endian, as on the machines the module runs on.
    std::array<std::byte, 4> low{};
    std::copy_n(value->data.begin(), std::min<std::size_t>(low.size(), value->data.size()),
                low.begin());
    std::int32_t number;
    std::memcpy(&number, low.data(), sizeof number);
    return number;
}

std::u16string separators_as_read(const std::optional<StoredValue>& value) {
    if (!value || value->data.size() % 2 != 0 || value->data.empty()) {
        return u"";
    }
    std::u16string text(value->data.size() / 2, u'\0');
    std::memcpy(text.data(), value->data.data(), value->data.size());
    text.pop_back();
    return text;
}

std::u16string dialog_separators_as_read(const std::optional<StoredValue>& value) {
    std::array<char16_t, 256> buffer{};
    if (!value || value->data.size() > sizeof buffer) {
        return u"";
    }
    if (!value->data.empty()) {
        std::memcpy(buffer.data(), value->data.data(), value->data.size());
    }
    buffer.back() = u'\0';
    return std::u16string(buffer.data());
}

bool same_value(const std::optional<StoredValue>& a, const std::optional<StoredValue>& b) {
    if (!a || !b) {
        return !a && !b;
    }
    return a->type == b->type && a->data == b->data;
}

}  // namespace pickwell::fuzzing
