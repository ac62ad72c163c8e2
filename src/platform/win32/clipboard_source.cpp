#include "platform/win32/clipboard_source.h"

#include "platform/win32/clipboard_blocks.h"

namespace pickwell {

std::optional<ClipboardContent> WindowsClipboardSource::take() {
    const Clipboard::Session session = clipboard_.open();
    if (!session) {
        return std::nullopt;
    }
    ClipboardContent taken;
    (void)session.read(ClipboardFormat::UnicodeText, [&](std::span<const std::byte> block) {
        taken.text = text_from_block(block);
    });
    if (!taken.text) {
        const auto decode = [&](std::string_view ansi) { return clipboard_.ansi_to_wide(ansi); };
        (void)session.read(ClipboardFormat::FileDrop, [&](std::span<const std::byte> block) {
            taken.paths = paths_from_drop_block(block, decode);
        });
    }
    return taken;
}

}  // namespace pickwell
