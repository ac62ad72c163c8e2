// The real HKEY_CURRENT_USER, under a root key of the test's own.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace wine_test {

// A host root key for one test, removed with everything below it when made and when it goes.
class TestRootKey {
  public:
    explicit TestRootKey(const char* test_name);
    ~TestRootKey();
    TestRootKey(const TestRootKey&) = delete;
    TestRootKey& operator=(const TestRootKey&) = delete;

    const char16_t* root() const { return root_.c_str(); }
    // root\Zentro\Pickwell
    std::u16string settings_path() const;

    // Stores exactly `data`; whatever follows it in memory is not part of the value.
    void store(const char16_t* name, std::uint32_t type, std::span<const std::byte> data) const;
    void store_dword(const char16_t* name, std::uint32_t value) const;
    void store_string(const char16_t* name, std::u16string_view text) const;

    struct Value {
        std::uint32_t type;
        std::vector<std::byte> data;
        bool operator==(const Value&) const = default;
    };
    std::optional<Value> value(const char16_t* name) const;
    bool settings_key_exists() const;

  private:
    std::u16string root_;
};

}  // namespace wine_test
