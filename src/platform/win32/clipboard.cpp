#include "platform/win32/clipboard.h"

#include <climits>

#include "platform/win32/windows_api.h"

namespace pickwell {
namespace {

// A clipboard block locked for reading. The block itself belongs to the system: it is
// unlocked, never freed.
class GlobalLockedBlock {
  public:
    explicit GlobalLockedBlock(HGLOBAL block)
        : block_(block), bytes_(static_cast<const std::byte*>(GlobalLock(block))) {}
    GlobalLockedBlock(const GlobalLockedBlock&) = delete;
    GlobalLockedBlock& operator=(const GlobalLockedBlock&) = delete;
    ~GlobalLockedBlock() {
        if (bytes_ != nullptr) {
            GlobalUnlock(block_);
        }
    }

    // The bytes within the block's own size; empty when it could not be locked.
    std::span<const std::byte> bytes() const {
        return bytes_ != nullptr ? std::span(bytes_, GlobalSize(block_))
                                 : std::span<const std::byte>();
    }

  private:
    HGLOBAL block_;
    const std::byte* bytes_;
};

}  // namespace

bool Win32Clipboard::try_open() {
    return OpenClipboard(nullptr) != FALSE;
}

void Win32Clipboard::close() {
    CloseClipboard();
}

bool Win32Clipboard::read_block(ClipboardFormat format, const ClipboardBlockReader& reader) {
    const HANDLE data = GetClipboardData(static_cast<UINT>(format));
    if (data == nullptr) {
        return false;
    }
    const GlobalLockedBlock block(data);
    reader(block.bytes());
    return true;
}

std::u16string Win32Clipboard::ansi_to_wide(std::string_view ansi) const {
    if (ansi.empty() || ansi.size() > INT_MAX) {
        return {};
    }
    const int length = static_cast<int>(ansi.size());
    const int units = MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
    if (units <= 0) {
        return {};
    }
    std::u16string wide(static_cast<std::size_t>(units), u'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, reinterpret_cast<wchar_t*>(wide.data()),
                        units);
    return wide;
}

}  // namespace pickwell
