#include "platform/far2l/clipboard_source.h"

#include <string_view>

#include "platform/far2l/uri_list.h"
#include "platform/far2l/utf32_text.h"

namespace pickwell {

std::optional<ClipboardContent> Far2lClipboardSource::take() {
    const WinPortClipboard::Session session = clipboard_.open();
    if (!session) {
        return std::nullopt;
    }
    ClipboardContent taken;
    // Registered only now: some of the host's clipboards know named formats only while open.
    const WinPortFormat uri_list = session.register_format(U"text/uri-list");
    if (uri_list != 0) {
        // A clipboard without the list leaves no paths, as a list without a local file does.
        (void)session.read(uri_list, [&](std::span<const std::byte> block) {
            taken.paths =
                paths_from_uri_list({reinterpret_cast<const char*>(block.data()), block.size()});
        });
    }
    // A list without a local file names nothing: the text, if any, is read instead.
    if (taken.paths.empty()) {
        (void)session.read(kWinPortUnicodeText, [&](std::span<const std::byte> block) {
            taken.text = text_from_utf32_block(block);
        });
    }
    return taken;
}

}  // namespace pickwell
