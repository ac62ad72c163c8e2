#include "host/far2/registry_settings.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace pickwell::far2 {

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

std::optional<int> SettingsKey::try_read_flag(const char16_t* name) const {
    if (key_ == nullptr) {
        return std::nullopt;
    }
    std::byte data[8] = {};
    std::uint32_t size = sizeof data;
    if (!registry_->query_value(key_, name, data, size)) {
        return std::nullopt;
    }
    std::int32_t value;
    std::memcpy(&value, data, sizeof value);
    return value;
}

std::optional<std::u16string> SettingsKey::try_read_string(const char16_t* name) const {
    if (key_ == nullptr) {
        return std::nullopt;
    }
    std::uint32_t size = 0;
    if (!registry_->query_value(key_, name, nullptr, size)) {
        return std::nullopt;
    }
    // The room declared to the second query is exactly the buffer's: an odd byte count or a
    // value that grew in between makes the query fail instead of writing past the buffer.
    std::vector<char16_t> text(size / sizeof(char16_t));
    std::uint32_t room = static_cast<std::uint32_t>(text.size() * sizeof(char16_t));
    if (!registry_->query_value(key_, name, reinterpret_cast<std::byte*>(text.data()), room)) {
        return std::nullopt;
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

namespace {

class RegistryReading final : public SettingsReading {
  public:
    explicit RegistryReading(SettingsKey key) : key_(std::move(key)) {}

    std::optional<std::int64_t> number(const char16_t* name) override {
        return key_.try_read_flag(name);
    }
    std::optional<std::u16string> text(const char16_t* name) override {
        return key_.try_read_string(name);
    }
    // One query into a zeroed buffer of `capacity` units: a value that does not fit reads as
    // missing, one that fills it without a terminator loses its last unit.
    std::optional<std::u16string> text_for_field(const char16_t* name,
                                                 std::size_t capacity) override {
        std::vector<char16_t> buffer(capacity);
        if (!key_.read_string_into(name, buffer)) {
            return std::nullopt;
        }
        return std::u16string(buffer.data());
    }

  private:
    SettingsKey key_;
};

class RegistryWriting final : public SettingsWriting {
  public:
    explicit RegistryWriting(SettingsKey key) : key_(std::move(key)) {}

    // A write that fails is lost, as every write is when there is no key.
    void number(const char16_t* name, std::int64_t value) override {
        (void)key_.write_flag(name, value != 0);
    }
    void text(const char16_t* name, std::u16string_view value) override {
        (void)key_.write_string(name, value);
    }

  private:
    SettingsKey key_;
};

}  // namespace

std::unique_ptr<SettingsReading> RegistrySettingsStore::open_for_reading() {
    return std::make_unique<RegistryReading>(SettingsKey::open_for_reading(registry_, path_));
}

std::unique_ptr<SettingsWriting> RegistrySettingsStore::open_for_writing() {
    return std::make_unique<RegistryWriting>(SettingsKey::create_for_writing(registry_, path_));
}

}  // namespace pickwell::far2
