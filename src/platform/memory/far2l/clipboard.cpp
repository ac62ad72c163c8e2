#include "platform/memory/far2l/clipboard.h"

#include <cstring>

namespace pickwell {

void MemoryWinPortClipboard::put_text(std::u32string_view text) {
    std::vector<std::byte> block((text.size() + 1) * sizeof(char32_t));
    std::memcpy(block.data(), text.data(), text.size() * sizeof(char32_t));
    put(kWinPortUnicodeText, std::move(block));
}

void MemoryWinPortClipboard::put_named(const std::u32string& name, std::string_view bytes) {
    const auto* first = reinterpret_cast<const std::byte*>(bytes.data());
    put(format_named(name), std::vector<std::byte>(first, first + bytes.size()));
}

WinPortFormat MemoryWinPortClipboard::format_named(const std::u32string& name) {
    const auto [at, added] =
        names_.try_emplace(name, kFirstNamedFormat + static_cast<WinPortFormat>(names_.size()));
    return at->second;
}

bool MemoryWinPortClipboard::try_open() {
    if (held_elsewhere_ || open_count_ != 0) {
        return false;
    }
    ++open_count_;
    ++times_opened_;
    return true;
}

void MemoryWinPortClipboard::close() {
    --open_count_;
}

WinPortFormat MemoryWinPortClipboard::register_format(const char32_t* name) {
    if (open_count_ == 0) {
        ++registrations_while_closed_;
    }
    return named_refused_ || name == nullptr ? 0 : format_named(name);
}

bool MemoryWinPortClipboard::read_block(WinPortFormat format, const WinPortBlockReader& reader) {
    const auto block = blocks_.find(format);
    if (block == blocks_.end()) {
        return false;
    }
    reader(block->second);
    return true;
}

}  // namespace pickwell
