#pragma once

#include "platform/registry.h"

namespace pickwell {

class Win32Registry final : public Registry {
  public:
    RegistryKey open_for_reading(const char16_t* path) override;
    RegistryKey create_for_writing(const char16_t* path) override;
    void close(RegistryKey key) override;
    bool query_value(RegistryKey key, const char16_t* name, std::byte* data,
                     std::uint32_t& size) override;
    bool set_value(RegistryKey key, const char16_t* name, RegistryValueType type,
                   std::span<const std::byte> data) override;
};

}  // namespace pickwell
