// Folds a sort key into 64 well-spread bits, a word of eight bytes at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace pickwell {

class KeyHash {
  public:
    void add(std::uint64_t word) { state_ = (state_ ^ word) * kMultiplier; }

    // `length` tells apart keys whose last words differ only in padding.
    std::uint64_t value(std::size_t length) const {
        std::uint64_t hash = (state_ ^ length) * kMultiplier;
        hash ^= hash >> 32;
        hash *= kMultiplier;
        return hash ^ (hash >> 29);
    }

  private:
    static constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15;
    std::uint64_t state_ = 0;
};

inline std::uint64_t hash_of_bytes(const unsigned char* bytes, std::size_t length) {
    KeyHash hash;
    std::size_t at = 0;
    for (; length - at >= 8; at += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes + at, sizeof word);
        hash.add(word);
    }
    if (at < length) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes + at, length - at);
        hash.add(word);
    }
    return hash.value(length);
}

}  // namespace pickwell
