// An in-memory far2l clipboard for tests: blocks by format, named formats, another user that
// may hold it, and a count of open sessions.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/far2l/clipboard.h"

namespace pickwell {

class MemoryWinPortClipboard final : public WinPortClipboard {
  public:
    // The number the first named format gets, as the host numbers them.
    static constexpr WinPortFormat kFirstNamedFormat = 0xC000;

    void put(WinPortFormat format, std::vector<std::byte> block) {
        blocks_[format] = std::move(block);
    }
    // A CF_UNICODETEXT block: `text` in UTF-32 and its terminator.
    void put_text(std::u32string_view text);
    // A block of the named format `name`, registering it.
    void put_named(const std::u32string& name, std::string_view bytes);
    void clear() { blocks_.clear(); }
    void hold_elsewhere(bool held) { held_elsewhere_ = held; }
    // Like the host's clipboards that carry only text.
    void refuse_named_formats(bool refused) { named_refused_ = refused; }

    WinPortFormat format_named(const std::u32string& name);
    int open_count() const { return open_count_; }  // sessions open right now
    int times_opened() const { return times_opened_; }
    int registrations_while_closed() const { return registrations_while_closed_; }

  protected:
    bool try_open() override;
    void close() override;
    WinPortFormat register_format(const char32_t* name) override;
    bool read_block(WinPortFormat format, const WinPortBlockReader& reader) override;

  private:
    std::map<WinPortFormat, std::vector<std::byte>> blocks_;
    std::map<std::u32string, WinPortFormat> names_;
    bool held_elsewhere_ = false;
    bool named_refused_ = false;
    int open_count_ = 0;
    int times_opened_ = 0;
    int registrations_while_closed_ = 0;
};

}  // namespace pickwell
