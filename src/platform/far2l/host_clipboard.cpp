#include "platform/far2l/host_clipboard.h"

#include <cstddef>

// Exported by the far2l executable. BOOL is a 4-byte int; the host's wchar_t is UTF-32 on every
// platform it runs on.
extern "C" {
int WINPORT_OpenClipboard(void* reserved);
int WINPORT_CloseClipboard();
void* WINPORT_GetClipboardData(unsigned format);
std::size_t WINPORT_ClipboardSize(void* data);
unsigned WINPORT_RegisterClipboardFormat(const wchar_t* name);
}

static_assert(sizeof(wchar_t) == sizeof(char32_t), "the host's texts are UTF-32");

namespace pickwell {

bool HostWinPortClipboard::try_open() {
    return WINPORT_OpenClipboard(nullptr) != 0;
}

void HostWinPortClipboard::close() {
    (void)WINPORT_CloseClipboard();
}

WinPortFormat HostWinPortClipboard::register_format(const char32_t* name) {
    return WINPORT_RegisterClipboardFormat(reinterpret_cast<const wchar_t*>(name));
}

bool HostWinPortClipboard::read_block(WinPortFormat format, const WinPortBlockReader& reader) {
    // The block belongs to the clipboard, which frees it when closed: it is read here, never
    // kept and never freed.
    void* const data = WINPORT_GetClipboardData(format);
    if (data == nullptr) {
        return false;
    }
    const std::size_t size = WINPORT_ClipboardSize(data);
    reader({static_cast<const std::byte*>(data), size});
    return true;
}

}  // namespace pickwell
