// Where Far 2 keeps the three settings: values of a registry key below the host's root. Nothing
// here reports a failure: a key that cannot be opened reads as the defaults and loses its writes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/settings.h"
#include "core/settings_store.h"
#include "platform/registry.h"

namespace pickwell::far2 {

// The host's root key, a backslash and our own subpath, in a buffer of 260 characters. A root
// so long that the path would not fit leaves no usable path: the settings then read as the
// defaults and writes are lost, rather than landing under a cut-off key.
class SettingsKeyPath {
  public:
    static constexpr std::size_t kCapacity = 260;  // terminator included
    static constexpr std::u16string_view kSubpath = u"Zentro\\Pickwell";

    void compose(const char16_t* root_key);
    // The path, or null when there is none.
    const char16_t* get() const { return usable_ ? text_.data() : nullptr; }

  private:
    std::array<char16_t, kCapacity> text_{};
    bool usable_ = false;
};

// Owns one open settings key, or none.
class SettingsKey {
  public:
    static SettingsKey open_for_reading(Registry& registry, const SettingsKeyPath& path);
    static SettingsKey create_for_writing(Registry& registry, const SettingsKeyPath& path);

    SettingsKey(SettingsKey&& other) noexcept;
    SettingsKey(const SettingsKey&) = delete;
    SettingsKey& operator=(const SettingsKey&) = delete;
    SettingsKey& operator=(SettingsKey&&) = delete;
    ~SettingsKey();

    bool is_open() const { return key_ != nullptr; }

    // The first four bytes of a value of at most eight, as a signed number.
    std::optional<int> try_read_flag(const char16_t* name) const;
    int read_flag(const char16_t* name, int fallback) const {
        return try_read_flag(name).value_or(fallback);
    }
    // The whole text of a value of any length, without its stored terminator.
    std::optional<std::u16string> try_read_string(const char16_t* name) const;
    std::u16string read_string(const char16_t* name, std::u16string_view fallback) const {
        return try_read_string(name).value_or(std::u16string(fallback));
    }
    // One query into `buffer`, which the caller has zeroed; false (and an empty buffer) when the
    // value is missing or does not fit. The text always ends inside the buffer.
    bool read_string_into(const char16_t* name, std::span<char16_t> buffer) const;

    [[nodiscard]] bool write_flag(const char16_t* name, bool on) const;
    [[nodiscard]] bool write_string(const char16_t* name, std::u16string_view text) const;

  private:
    SettingsKey(Registry& registry, RegistryKey key) : registry_(&registry), key_(key) {}

    Registry* registry_;
    RegistryKey key_;
};

// The settings store of the Far 2 module: a key opened for each reading and each writing.
class RegistrySettingsStore final : public SettingsStore {
  public:
    RegistrySettingsStore(Registry& registry, const SettingsKeyPath& path)
        : registry_(registry), path_(path) {}

    std::unique_ptr<SettingsReading> open_for_reading() override;
    std::unique_ptr<SettingsWriting> open_for_writing() override;

  private:
    Registry& registry_;
    const SettingsKeyPath& path_;
};

}  // namespace pickwell::far2
