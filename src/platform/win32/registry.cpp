#include "platform/win32/registry.h"

#include "platform/win32/windows_api.h"

namespace pickwell {
namespace {

HKEY as_hkey(RegistryKey key) {
    return static_cast<HKEY>(key);
}

}  // namespace

RegistryKey Win32Registry::open_for_reading(const char16_t* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, win32::wide(path), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return nullptr;
    }
    return key;
}

RegistryKey Win32Registry::create_for_writing(const char16_t* path) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, win32::wide(path), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return nullptr;
    }
    return key;
}

void Win32Registry::close(RegistryKey key) {
    RegCloseKey(as_hkey(key));
}

bool Win32Registry::query_value(RegistryKey key, const char16_t* name, std::byte* data,
                                std::uint32_t& size) {
    DWORD bytes = size;
    const LSTATUS status = RegQueryValueExW(as_hkey(key), win32::wide(name), nullptr, nullptr,
                                            reinterpret_cast<BYTE*>(data), &bytes);
    size = bytes;
    return status == ERROR_SUCCESS;
}

bool Win32Registry::set_value(RegistryKey key, const char16_t* name, RegistryValueType type,
                              std::span<const std::byte> data) {
    return RegSetValueExW(as_hkey(key), win32::wide(name), 0, static_cast<DWORD>(type),
                          reinterpret_cast<const BYTE*>(data.data()),
                          static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

}  // namespace pickwell
