// The per-user registry, reduced to the calls the settings store makes. Keys live below
// HKEY_CURRENT_USER; a null key means "no key" and every call accepts it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace pickwell {

using RegistryKey = void*;

enum class RegistryValueType : std::uint32_t {
    String = 1,  // REG_SZ
    Binary = 3,  // REG_BINARY
    Dword = 4,   // REG_DWORD
};

class Registry {
  public:
    virtual ~Registry() = default;

    // RegOpenKeyExW with KEY_READ; null when the key is missing or cannot be opened.
    virtual RegistryKey open_for_reading(const char16_t* path) = 0;
    // RegCreateKeyExW, non-volatile, KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY; creates any
    // missing parents; null on failure.
    virtual RegistryKey create_for_writing(const char16_t* path) = 0;
    virtual void close(RegistryKey key) = 0;

    // RegQueryValueExW without asking for the type. With a null `data` it only reports the
    // value's byte size in `size`. Otherwise `size` is the room in `data` on entry and the
    // value's byte size on return; a value that does not fit fails.
    [[nodiscard]] virtual bool query_value(RegistryKey key, const char16_t* name, std::byte* data,
                                           std::uint32_t& size) = 0;
    [[nodiscard]] virtual bool set_value(RegistryKey key, const char16_t* name,
                                         RegistryValueType type,
                                         std::span<const std::byte> data) = 0;
};

}  // namespace pickwell
