// far2l's clipboard as the command reads it: the local files of a text/uri-list when it offers
// one that names any, else its text.
#pragma once

#include "core/clipboard_source.h"
#include "platform/far2l/clipboard.h"

namespace pickwell {

class Far2lClipboardSource final : public ClipboardSource {
  public:
    explicit Far2lClipboardSource(WinPortClipboard& clipboard) : clipboard_(clipboard) {}

    std::optional<ClipboardContent> take() override;

  private:
    WinPortClipboard& clipboard_;
};

}  // namespace pickwell
