#include "platform/far2l/utf32_text.h"

#include <cstdint>
#include <cstring>

namespace pickwell {
namespace {

constexpr char32_t kByteOrderMark = 0xFEFF;
constexpr char32_t kReplacement = 0xFFFD;

bool is_high_surrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool is_low_surrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}
bool is_surrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDFFF;
}

}  // namespace

void append_utf16(std::u16string& out, char32_t c, char16_t invalid) {
    if (c < 0x10000) {
        out.push_back(is_scalar_value(c) ? static_cast<char16_t>(c) : invalid);
    } else if (c <= 0x10FFFF) {
        const char32_t offset = c - 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (offset >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
    } else {
        out.push_back(invalid);
    }
}

std::u16string text_from_utf32_block(std::span<const std::byte> block) {
    const std::size_t units = block.size() / sizeof(char32_t);
    const auto unit_at = [&](std::size_t index) {
        char32_t c;
        std::memcpy(&c, block.data() + index * sizeof c, sizeof c);
        return c;
    };
    std::size_t at = units != 0 && unit_at(0) == kByteOrderMark ? 1 : 0;
    std::u16string text;
    for (; at < units; ++at) {
        const char32_t c = unit_at(at);
        if (c == 0) {
            break;
        }
        append_utf16(text, c, kInvalidInClipboard);
    }
    return text;
}

void utf16_from_host(const char32_t* text, std::u16string& out) {
    out.clear();
    if (text == nullptr) {
        return;
    }
    for (; *text != 0; ++text) {
        if (*text < 0x80) {
            out.push_back(static_cast<char16_t>(*text));
        } else {
            append_utf16(out, *text, kInvalidInHostText);
        }
    }
}

std::u16string utf16_from_host(const char32_t* text) {
    std::u16string out;
    utf16_from_host(text, out);
    return out;
}

std::u32string utf32_from_utf16(std::u16string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char16_t unit = text[at];
        if (is_high_surrogate(unit) && at + 1 < text.size() && is_low_surrogate(text[at + 1])) {
            out.push_back(0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) +
                          (static_cast<char32_t>(text[at + 1]) - 0xDC00));
            ++at;
        } else {
            out.push_back(is_surrogate(unit) ? kReplacement : unit);
        }
    }
    return out;
}

std::size_t code_points_in(std::u16string_view text) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); ++at, ++count) {
        if (is_high_surrogate(text[at]) && at + 1 < text.size() && is_low_surrogate(text[at + 1])) {
            ++at;
        }
    }
    return count;
}

}  // namespace pickwell
