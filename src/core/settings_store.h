// Where the three settings are kept: the host's own store, the registry or a file. Nothing here
// reports a failure: a store that cannot be opened reads as nothing stored and loses its writes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace pickwell {

// One open read of the store, held while the values are read.
class SettingsReading {
  public:
    virtual ~SettingsReading() = default;
    // Nothing when the value is missing or unreadable.
    virtual std::optional<std::int64_t> number(const char16_t* name) = 0;
    virtual std::optional<std::u16string> text(const char16_t* name) = 0;
    // A text for a field of `capacity` units, its terminator included: nothing when it does not
    // fit. Stores with a reading rule of their own for this case override it.
    virtual std::optional<std::u16string> text_for_field(const char16_t* name,
                                                         std::size_t capacity);
};

// One open write of the store; what was written is kept when it goes.
class SettingsWriting {
  public:
    virtual ~SettingsWriting() = default;
    virtual void number(const char16_t* name, std::int64_t value) = 0;
    virtual void text(const char16_t* name, std::u16string_view value) = 0;
};

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual std::unique_ptr<SettingsReading> open_for_reading() = 0;
    virtual std::unique_ptr<SettingsWriting> open_for_writing() = 0;
};

}  // namespace pickwell
