#include "platform/memory/clipboard.h"

#include <cstring>

namespace pickwell {

void MemoryClipboard::put_text(std::u16string_view text) {
    std::vector<std::byte> block((text.size() + 1) * sizeof(char16_t));
    std::memcpy(block.data(), text.data(), text.size() * sizeof(char16_t));
    put(ClipboardFormat::UnicodeText, std::move(block));
}

std::u16string MemoryClipboard::ansi_to_wide(std::string_view ansi) const {
    std::u16string wide;
    for (const char c : ansi) {
        wide.push_back(static_cast<unsigned char>(c));
    }
    return wide;
}

bool MemoryClipboard::try_open() {
    if (held_elsewhere_ || open_count_ != 0) {
        return false;
    }
    ++open_count_;
    ++times_opened_;
    return true;
}

void MemoryClipboard::close() {
    --open_count_;
}

bool MemoryClipboard::read_block(ClipboardFormat format, const ClipboardBlockReader& reader) {
    formats_read_.push_back(format);
    const auto found = blocks_.find(format);
    if (found == blocks_.end()) {
        return false;
    }
    reader(found->second);
    return true;
}

}  // namespace pickwell
