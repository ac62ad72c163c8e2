#include "block_builders.h"

#include <cstdint>
#include <cstring>

namespace pickwell::testing {

std::vector<std::byte> bytes_of(std::u16string_view text) {
    std::vector<std::byte> bytes(text.size() * sizeof(char16_t));
    std::memcpy(bytes.data(), text.data(), bytes.size());
    return bytes;
}

std::vector<std::byte> drop_block(const std::vector<std::u16string>& paths, bool wide) {
    const std::uint32_t header[5] = {20, 0, 0, 0, wide ? 1u : 0u};
    std::vector<std::byte> block(sizeof header);
    std::memcpy(block.data(), header, sizeof header);
    const auto append_unit = [&](char16_t unit) {
        if (wide) {
            const auto bytes = bytes_of(std::u16string_view(&unit, 1));
            block.insert(block.end(), bytes.begin(), bytes.end());
        } else {
            block.push_back(static_cast<std::byte>(unit));
        }
    };
    for (const auto& path : paths) {
        for (const char16_t unit : path) {
            append_unit(unit);
        }
        append_unit(u'\0');
    }
    append_unit(u'\0');
    return block;
}

}  // namespace pickwell::testing
