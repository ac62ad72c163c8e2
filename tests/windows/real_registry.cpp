#include "real_registry.h"

#include <windows.h>

#include <cstring>

namespace wine_test {
namespace {

const wchar_t* wide(const char16_t* text) {
    return reinterpret_cast<const wchar_t*>(text);
}

void remove_tree(const std::u16string& path) {
    RegDeleteTreeW(HKEY_CURRENT_USER, wide(path.c_str()));
}

}  // namespace

TestRootKey::TestRootKey(const char* test_name) : root_(u"Software\\PickwellTests\\") {
    for (const char* c = test_name; *c != '\0'; ++c) {
        root_.push_back(static_cast<char16_t>(*c));
    }
    remove_tree(root_);
}

TestRootKey::~TestRootKey() {
    remove_tree(root_);
}

std::u16string TestRootKey::settings_path() const {
    return root_ + u"\\Zentro\\Pickwell";
}

void TestRootKey::store(const char16_t* name, std::uint32_t type,
                        std::span<const std::byte> data) const {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, wide(settings_path().c_str()), 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExW(key, wide(name), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                   static_cast<DWORD>(data.size()));
    RegCloseKey(key);
}

void TestRootKey::store_dword(const char16_t* name, std::uint32_t value) const {
    std::vector<std::byte> data(sizeof value);
    std::memcpy(data.data(), &value, sizeof value);
    store(name, REG_DWORD, data);
}

void TestRootKey::store_string(const char16_t* name, std::u16string_view text) const {
    std::vector<std::byte> data((text.size() + 1) * sizeof(char16_t));
    std::memcpy(data.data(), text.data(), text.size() * sizeof(char16_t));
    store(name, REG_SZ, data);
}

std::optional<TestRootKey::Value> TestRootKey::value(const char16_t* name) const {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, wide(settings_path().c_str()), 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD type = 0;
    DWORD size = 0;
    std::optional<Value> result;
    if (RegQueryValueExW(key, wide(name), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        Value value{type, std::vector<std::byte>(size)};
        if (RegQueryValueExW(key, wide(name), nullptr, &type,
                             reinterpret_cast<BYTE*>(value.data.data()), &size) == ERROR_SUCCESS) {
            value.data.resize(size);
            result = value;
        }
    }
    RegCloseKey(key);
    return result;
}

bool TestRootKey::settings_key_exists() const {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, wide(settings_path().c_str()), 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

}  // namespace wine_test
