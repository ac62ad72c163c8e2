#include "platform/memory/registry.h"

#include <algorithm>
#include <cstring>

namespace pickwell {

std::u16string MemoryRegistry::folded(std::u16string_view text) {
    std::u16string result(text);
    for (char16_t& c : result) {
        if (c >= u'A' && c <= u'Z') {
            c = static_cast<char16_t>(c - u'A' + u'a');
        }
    }
    return result;
}

void MemoryRegistry::store(std::u16string_view path, std::u16string_view name, std::uint32_t type,
                           std::vector<std::byte> data) {
    keys_[folded(path)][folded(name)] = StoredValue{type, std::move(data)};
}

void MemoryRegistry::store_dword(std::u16string_view path, std::u16string_view name,
                                 std::uint32_t value) {
    std::vector<std::byte> data(sizeof value);
    std::memcpy(data.data(), &value, sizeof value);
    store(path, name, static_cast<std::uint32_t>(RegistryValueType::Dword), std::move(data));
}

void MemoryRegistry::store_string(std::u16string_view path, std::u16string_view name,
                                  std::u16string_view text) {
    std::vector<std::byte> data((text.size() + 1) * sizeof(char16_t));
    std::memcpy(data.data(), text.data(), text.size() * sizeof(char16_t));
    store(path, name, static_cast<std::uint32_t>(RegistryValueType::String), std::move(data));
}

std::optional<StoredValue> MemoryRegistry::value(std::u16string_view path,
                                                 std::u16string_view name) const {
    const auto key = keys_.find(folded(path));
    if (key == keys_.end()) {
        return std::nullopt;
    }
    const auto found = key->second.find(folded(name));
    if (found == key->second.end()) {
        return std::nullopt;
    }
    return found->second;
}

bool MemoryRegistry::has_key(std::u16string_view path) const {
    return keys_.count(folded(path)) != 0;
}

void MemoryRegistry::erase(std::u16string_view path, std::u16string_view name) {
    const auto key = keys_.find(folded(path));
    if (key != keys_.end()) {
        key->second.erase(folded(name));
    }
}

RegistryKey MemoryRegistry::open(std::u16string_view path, bool writable) {
    auto key = std::make_unique<OpenKey>(OpenKey{folded(path), writable});
    RegistryKey handle = key.get();
    open_.insert(std::move(key));
    return handle;
}

RegistryKey MemoryRegistry::open_for_reading(const char16_t* path) {
    if (!has_key(path)) {
        return nullptr;
    }
    return open(path, false);
}

RegistryKey MemoryRegistry::create_for_writing(const char16_t* path) {
    if (refuse_writes_) {
        return nullptr;
    }
    keys_[folded(path)];
    return open(path, true);
}

void MemoryRegistry::close(RegistryKey key) {
    const auto found = std::find_if(open_.begin(), open_.end(),
                                    [&](const auto& open) { return open.get() == key; });
    if (found != open_.end()) {
        open_.erase(found);
    }
}

bool MemoryRegistry::query_value(RegistryKey key, const char16_t* name, std::byte* data,
                                 std::uint32_t& size) {
    queries_.emplace_back(name);
    if (before_query_) {
        before_query_();
    }
    const auto* open = static_cast<const OpenKey*>(key);
    const auto found = value(open->path, name);
    if (!found) {
        return false;
    }
    const auto stored = static_cast<std::uint32_t>(found->data.size());
    const std::uint32_t room = size;
    size = stored;
    if (data == nullptr) {
        return true;
    }
    if (stored > room) {
        return false;
    }
    std::copy(found->data.begin(), found->data.end(), data);
    return true;
}

bool MemoryRegistry::set_value(RegistryKey key, const char16_t* name, RegistryValueType type,
                               std::span<const std::byte> data) {
    const auto* open = static_cast<const OpenKey*>(key);
    if (!open->writable) {
        return false;
    }
    store(open->path, name, static_cast<std::uint32_t>(type),
          std::vector<std::byte>(data.begin(), data.end()));
    return true;
}

}  // namespace pickwell
