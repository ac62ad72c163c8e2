// The clipboard's content as the command takes it: a text, or the paths of copied files.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pickwell {

struct ClipboardContent {
    std::optional<std::u16string> text;  // the names as text, when the clipboard has them so
    std::vector<std::u16string> paths;   // otherwise the copied files, one path each
};

class ClipboardSource {
  public:
    virtual ~ClipboardSource() = default;
    // Opens the clipboard, copies what the command needs and closes it again; nothing when it
    // cannot be opened (another program holds it).
    virtual std::optional<ClipboardContent> take() = 0;
};

}  // namespace pickwell
