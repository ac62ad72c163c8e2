#include "real_clipboard.h"

#include <windows.h>

#include <cstring>

#include "support/block_builders.h"

namespace wine_test {

bool put_on_clipboard(const std::vector<ClipboardBlock>& blocks) {
    if (!OpenClipboard(nullptr)) {
        return false;
    }
    EmptyClipboard();
    bool all_put = true;
    for (const ClipboardBlock& block : blocks) {
        // The system owns the block once SetClipboardData accepts it.
        const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, block.bytes.size());
        if (memory == nullptr) {
            all_put = false;
            continue;
        }
        if (void* bytes = GlobalLock(memory)) {
            std::memcpy(bytes, block.bytes.data(), block.bytes.size());
            GlobalUnlock(memory);
        }
        if (SetClipboardData(block.format, memory) == nullptr) {
            GlobalFree(memory);
            all_put = false;
        }
    }
    CloseClipboard();
    return all_put;
}

ClipboardBlock text_block(std::u16string_view text) {
    auto bytes = pickwell::testing::bytes_of(std::u16string(text) + u'\0');
    return {CF_UNICODETEXT, std::move(bytes)};
}

ClipboardBlock drop_list_block(const std::vector<std::u16string>& paths, bool wide) {
    return {CF_HDROP, pickwell::testing::drop_block(paths, wide)};
}

ClipboardHolder::ClipboardHolder()
    : window_(CreateWindowExW(0, L"STATIC", L"holder", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              nullptr, nullptr)),
      holding_(window_ != nullptr && OpenClipboard(static_cast<HWND>(window_)) != FALSE) {}

ClipboardHolder::~ClipboardHolder() {
    if (holding_) {
        CloseClipboard();
    }
    if (window_ != nullptr) {
        DestroyWindow(static_cast<HWND>(window_));
    }
}

}  // namespace wine_test
