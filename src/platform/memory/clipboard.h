// An in-memory clipboard for tests: blocks by format, another program that may hold it, and a
// count of open sessions.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/clipboard.h"

namespace pickwell {

class MemoryClipboard final : public Clipboard {
  public:
    void put(ClipboardFormat format, std::vector<std::byte> block) {
        blocks_[format] = std::move(block);
    }
    // A CF_UNICODETEXT block holding `text` and its terminator.
    void put_text(std::u16string_view text);
    void clear() { blocks_.clear(); }
    void hold_elsewhere(bool held) { held_elsewhere_ = held; }

    int open_count() const { return open_count_; }  // sessions open right now
    int times_opened() const { return times_opened_; }
    const std::vector<ClipboardFormat>& formats_read() const { return formats_read_; }

    // Bytes as Latin-1: enough to tell an ANSI list apart in tests.
    std::u16string ansi_to_wide(std::string_view ansi) const override;

  protected:
    bool try_open() override;
    void close() override;
    bool read_block(ClipboardFormat format, const ClipboardBlockReader& reader) override;

  private:
    std::map<ClipboardFormat, std::vector<std::byte>> blocks_;
    bool held_elsewhere_ = false;
    int open_count_ = 0;
    int times_opened_ = 0;
    std::vector<ClipboardFormat> formats_read_;
};

}  // namespace pickwell
