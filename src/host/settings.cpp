#include "host/settings.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace pickwell {

void SettingsKeyPath::compose(const char16_t* root_key) {
    text_.fill(u'\0');
    usable_ = false;
    if (root_key == nullptr) {
        return;
    }
    const std::u16string_view root(root_key);
    const std::size_t length = root.size() + 1 + kSubpath.size();
    if (length >= kCapacity) {
        return;
    }
    auto out = std::copy(root.begin(), root.end(), text_.begin());
    *out++ = u'\\';
    std::copy(kSubpath.begin(), kSubpath.end(), out);
    usable_ = true;
}

SettingsKey SettingsKey::open_for_reading(Registry& registry, const SettingsKeyPath& path) {
    const char16_t* where = path.get();
    return SettingsKey(registry, where != nullptr ? registry.open_for_reading(where) : nullptr);
}

SettingsKey SettingsKey::create_for_writing(Registry& registry, const SettingsKeyPath& path) {
    const char16_t* where = path.get();
    return SettingsKey(registry, where != nullptr ? registry.create_for_writing(where) : nullptr);
}

SettingsKey::SettingsKey(SettingsKey&& other) noexcept
    : registry_(other.registry_), key_(std::exchange(other.key_, nullptr)) {}

SettingsKey::~SettingsKey() {
    if (key_ != nullptr) {
        registry_->close(key_);
    }
}

int SettingsKey::read_flag(const char16_t* name, int fallback) const {
    if (key_ == nullptr) {
        return fallback;
    }
    std::byte data[8] = {};
    std::uint32_t size = sizeof data;
    if (!registry_->query_value(key_, name, data, size)) {
        return fallback;
    }
    std::int32_t value;
    std::memcpy(&value, data, sizeof value);
    return value;
}

std::u16string SettingsKey::read_string(const char16_t* name, std::u16string_view fallback) const {
    if (key_ == nullptr) {
        return std::u16string(fallback);
    }
    std::uint32_t size = 0;
    if (!registry_->query_value(key_, name, nullptr, size)) {
        return std::u16string(fallback);
    }
    // The room declared to the second query is exactly the buffer's: an odd byte count or a
    // value that grew in between makes the query fail instead of writing past the buffer.
    std::vector<char16_t> text(size / sizeof(char16_t));
    std::uint32_t room = static_cast<std::uint32_t>(text.size() * sizeof(char16_t));
    if (!registry_->query_value(key_, name, reinterpret_cast<std::byte*>(text.data()), room)) {
        return std::u16string(fallback);
    }
    // `room` now holds the bytes the value has; the stored terminator is dropped.
    const std::size_t length = room == 0 ? 0 : (room - 1) / sizeof(char16_t);
    return std::u16string(text.data(), std::min(length, text.size()));
}

bool SettingsKey::read_string_into(const char16_t* name, std::span<char16_t> buffer) const {
    if (key_ == nullptr || buffer.empty()) {
        return false;
    }
    std::uint32_t size = static_cast<std::uint32_t>(buffer.size_bytes());
    if (!registry_->query_value(key_, name, reinterpret_cast<std::byte*>(buffer.data()), size)) {
        std::fill(buffer.begin(), buffer.end(), u'\0');
        return false;
    }
    // A value that fills the buffer with no terminator of its own still ends inside it.
    buffer.back() = u'\0';
    return true;
}

bool SettingsKey::write_flag(const char16_t* name, bool on) const {
    if (key_ == nullptr) {
        return false;
    }
    const std::uint32_t value = on ? 1 : 0;
    return registry_->set_value(key_, name, RegistryValueType::Dword,
                                std::as_bytes(std::span(&value, 1)));
}

bool SettingsKey::write_string(const char16_t* name, std::u16string_view text) const {
    if (key_ == nullptr) {
        return false;
    }
    const std::u16string terminated(text);
    return registry_->set_value(
        key_, name, RegistryValueType::String,
        std::as_bytes(std::span(terminated.c_str(), terminated.size() + 1)));
}

}  // namespace pickwell
