// Names given as a text by whoever runs the command (a macro), in place of the clipboard's.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "core/clipboard_source.h"

namespace pickwell {

class GivenText final : public ClipboardSource {
  public:
    explicit GivenText(std::u16string text) : text_(std::move(text)) {}

    // The text, read as the clipboard's text is; the clipboard itself is not touched.
    std::optional<ClipboardContent> take() override { return ClipboardContent{text_, {}}; }

  private:
    std::u16string text_;
};

}  // namespace pickwell
