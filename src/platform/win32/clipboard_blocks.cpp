#include "platform/win32/clipboard_blocks.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/unit_search.h"

namespace pickwell {
namespace {

// DROPFILES: pFiles (offset of the list), pt (two LONGs), fNC, fWide.
constexpr std::size_t kDropFilesSize = 20;
constexpr std::size_t kFilesOffsetAt = 0;
constexpr std::size_t kWideFlagAt = 16;

std::uint32_t read_u32(std::span<const std::byte> bytes, std::size_t at) {
    std::uint32_t value;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

char16_t read_unit(std::span<const std::byte> bytes, std::size_t at) {
    char16_t unit;
    std::memcpy(&unit, bytes.data() + at, sizeof unit);
    return unit;
}

// Splits a NUL-separated list of `Unit`s, ending at an empty entry; a last entry without its
// terminator is dropped.
template <typename Unit, typename ReadUnit, typename Append>
void split_list(std::span<const std::byte> list, ReadUnit read, Append append) {
    const std::size_t count = list.size() / sizeof(Unit);
    std::basic_string<Unit> entry;
    for (std::size_t i = 0; i < count; ++i) {
        const Unit unit = read(list, i * sizeof(Unit));
        if (unit != Unit{}) {
            entry.push_back(unit);
            continue;
        }
        if (entry.empty()) {
            return;
        }
        append(entry);
        entry.clear();
    }
}

}  // namespace

std::u16string text_from_block(std::span<const std::byte> block) {
    const std::size_t length = find_unit(block.data(), block.size() / sizeof(char16_t), u'\0');
    // Through a small buffer, so that the large one is written once rather than first zeroed.
    std::u16string text;
    text.reserve(length);
    char16_t units[1024];
    for (std::size_t at = 0; at < length; at += std::size(units)) {
        const std::size_t count = std::min(std::size(units), length - at);
        std::memcpy(units, block.data() + at * sizeof(char16_t), count * sizeof(char16_t));
        text.append(units, count);
    }
    return text;
}

std::vector<std::u16string> paths_from_drop_block(std::span<const std::byte> block,
                                                  const AnsiDecoder& decode_ansi) {
    std::vector<std::u16string> paths;
    if (block.size() < kDropFilesSize) {
        return paths;
    }
    const std::uint32_t files_at = read_u32(block, kFilesOffsetAt);
    if (files_at > block.size()) {
        return paths;
    }
    const auto list = block.subspan(files_at);
    if (read_u32(block, kWideFlagAt) != 0) {
        split_list<char16_t>(list, read_unit,
                             [&](const std::u16string& path) { paths.push_back(path); });
    } else {
        const auto read_byte = [](std::span<const std::byte> bytes, std::size_t at) {
            return static_cast<char>(bytes[at]);
        };
        split_list<char>(list, read_byte,
                         [&](const std::string& path) { paths.push_back(decode_ansi(path)); });
    }
    return paths;
}

}  // namespace pickwell
