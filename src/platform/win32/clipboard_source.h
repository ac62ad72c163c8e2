// The Windows clipboard as the command reads it: text first, else a file-drop list.
#pragma once

#include "core/clipboard_source.h"
#include "platform/clipboard.h"

namespace pickwell {

class WindowsClipboardSource final : public ClipboardSource {
  public:
    explicit WindowsClipboardSource(Clipboard& clipboard) : clipboard_(clipboard) {}

    // CF_UNICODETEXT up to its first NUL when there is any, even empty; only without it the
    // paths of a CF_HDROP list.
    std::optional<ClipboardContent> take() override;

  private:
    Clipboard& clipboard_;
};

}  // namespace pickwell
