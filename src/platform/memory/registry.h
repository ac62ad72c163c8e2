// An in-memory per-user registry for tests. Key paths compare without ASCII case, as the
// system's do; every open handle is counted until it is closed.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace pickwell {

struct StoredValue {
    std::uint32_t type;
    std::vector<std::byte> data;
};

class MemoryRegistry final : public Registry {
  public:
    // Direct access for arranging and checking tests.
    void store(std::u16string_view path, std::u16string_view name, std::uint32_t type,
               std::vector<std::byte> data);
    void store_dword(std::u16string_view path, std::u16string_view name, std::uint32_t value);
    void store_string(std::u16string_view path, std::u16string_view name,
                      std::u16string_view text);  // with its terminator
    std::optional<StoredValue> value(std::u16string_view path, std::u16string_view name) const;
    bool has_key(std::u16string_view path) const;
    void erase(std::u16string_view path, std::u16string_view name);

    void refuse_writes(bool refuse) { refuse_writes_ = refuse; }
    // Called before every query reaches the store, so that a test can change a value between
    // two queries as another program might.
    void before_query(std::function<void()> hook) { before_query_ = std::move(hook); }

    int open_keys() const { return static_cast<int>(open_.size()); }
    const std::vector<std::u16string>& queries() const { return queries_; }

    RegistryKey open_for_reading(const char16_t* path) override;
    RegistryKey create_for_writing(const char16_t* path) override;
    void close(RegistryKey key) override;
    bool query_value(RegistryKey key, const char16_t* name, std::byte* data,
                     std::uint32_t& size) override;
    bool set_value(RegistryKey key, const char16_t* name, RegistryValueType type,
                   std::span<const std::byte> data) override;

  private:
    using Values = std::map<std::u16string, StoredValue>;
    struct OpenKey {
        std::u16string path;
        bool writable;
    };

    static std::u16string folded(std::u16string_view text);
    RegistryKey open(std::u16string_view path, bool writable);

    std::map<std::u16string, Values> keys_;
    std::set<std::unique_ptr<OpenKey>> open_;
    bool refuse_writes_ = false;
    std::function<void()> before_query_;
    std::vector<std::u16string> queries_;
};

}  // namespace pickwell
