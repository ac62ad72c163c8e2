// Looking for one UTF-16 code unit four units at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace pickwell {

// The position of the first `unit` among the `count` code units at `units`, or `count` when
// there is none. Reads nothing outside them and needs no alignment.
inline std::size_t find_unit(const void* units, std::size_t count, char16_t unit) {
    const auto* bytes = static_cast<const unsigned char*>(units);
    constexpr std::uint64_t kLowBits = 0x0001'0001'0001'0001;
    constexpr std::uint64_t kHighBits = 0x8000'8000'8000'8000;
    const std::uint64_t pattern = kLowBits * unit;
    std::size_t at = 0;
    for (; count - at >= 4; at += 4) {
        std::uint64_t word;
        std::memcpy(&word, bytes + at * sizeof(char16_t), sizeof word);
        word ^= pattern;  // zero where a unit equals `unit`
        if (((word - kLowBits) & ~word & kHighBits) != 0) {
            break;  // here, at the first zero of the word
        }
    }
    for (; at < count; ++at) {
        char16_t here;
        std::memcpy(&here, bytes + at * sizeof(char16_t), sizeof here);
        if (here == unit) {
            break;
        }
    }
    return at;
}

}  // namespace pickwell
