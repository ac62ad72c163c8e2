#include "platform/far2l/utf8_text.h"

#include "platform/far2l/utf32_text.h"

namespace pickwell {
namespace {

// The code point that starts at `at`, and the bytes it takes; nothing when the bytes there are
// no well-formed UTF-8.
struct Decoded {
    char32_t point;
    std::size_t length;
};

std::optional<Decoded> decode_at(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    std::size_t length;
    char32_t point;
    char32_t smallest;
    if (lead < 0x80) {
        return Decoded{lead, 1};
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, point = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, point = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, point = lead & 0x07, smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() - at < length) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return std::nullopt;
        }
        point = point << 6 | (byte(i) & 0x3F);
    }
    if (point < smallest || !is_scalar_value(point)) {
        return std::nullopt;
    }
    return Decoded{point, length};
}

void append_utf8(std::string& out, char32_t c) {
    const auto put = [&](char32_t bits) { out.push_back(static_cast<char>(bits)); };
    if (c < 0x80) {
        put(c);
    } else if (c < 0x800) {
        put(0xC0 | c >> 6);
        put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        put(0xE0 | c >> 12);
        put(0x80 | (c >> 6 & 0x3F));
        put(0x80 | (c & 0x3F));
    } else {
        put(0xF0 | c >> 18);
        put(0x80 | (c >> 12 & 0x3F));
        put(0x80 | (c >> 6 & 0x3F));
        put(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::optional<std::u16string> utf16_from_utf8(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto decoded = decode_at(text, at);
        if (!decoded) {
            return std::nullopt;
        }
        append_utf16(out, decoded->point, kInvalidInHostText);
        at += decoded->length;
    }
    return out;
}

std::string utf8_from_utf16(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char32_t c : utf32_from_utf16(text)) {
        append_utf8(out, c);
    }
    return out;
}

}  // namespace pickwell
