// The real clipboard, filled as other programs fill it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace wine_test {

struct ClipboardBlock {
    unsigned format;
    std::vector<std::byte> bytes;
};

// Empties the clipboard and puts the blocks on it; false when it cannot be opened, or a block
// cannot be put on it.
bool put_on_clipboard(const std::vector<ClipboardBlock>& blocks);
ClipboardBlock text_block(std::u16string_view text);  // CF_UNICODETEXT with its terminator
ClipboardBlock drop_list_block(const std::vector<std::u16string>& paths, bool wide = true);

// Keeps the clipboard open through a window of this program, as another program would.
class ClipboardHolder {
  public:
    ClipboardHolder();
    ~ClipboardHolder();
    ClipboardHolder(const ClipboardHolder&) = delete;
    ClipboardHolder& operator=(const ClipboardHolder&) = delete;
    bool holding() const { return holding_; }

  private:
    void* window_;
    bool holding_;
};

}  // namespace wine_test
