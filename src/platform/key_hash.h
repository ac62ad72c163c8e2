// Folds a sort key into 64 well-spread bits, a word of eight bytes at a time.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace pickwell {

namespace detail {

// A number that differs from process to process and that no list can know: where the module
// was loaded and when. It is no cryptographic secret, only out of the reach of whoever writes a
// list.
inline std::uint64_t new_process_secret() {
    static const char here = 0;
    std::uint64_t mix =
        reinterpret_cast<std::uintptr_t>(&here) ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()) *
            0xD6E8FEB86659FD93;
    // The bits of all three spread over every bit.
    mix = (mix ^ (mix >> 30)) * 0xBF58476D1CE4E5B9;
    mix = (mix ^ (mix >> 27)) * 0x94D049BB133111EB;
    return mix ^ (mix >> 31);
}

}  // namespace detail

// Enters the last step of every key hash. Without it the hash could be run backwards from any
// value, and a list could be written whose names, all different, take neighbouring slots of the
// index, each one then walking past all the earlier ones.
inline const std::uint64_t kProcessSecret = detail::new_process_secret();

class KeyHash {
  public:
    void add(std::uint64_t word) { state_ = (state_ ^ word) * kMultiplier; }

    // `length` tells apart keys whose last words differ only in padding. Equal keys give equal
    // values in one process; which value is the process's own.
    std::uint64_t value(std::size_t length) const {
        std::uint64_t hash = (state_ ^ length ^ kProcessSecret) * kMultiplier;
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
