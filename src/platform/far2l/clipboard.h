// far2l's clipboard, reduced to what the command needs: open it, name a format, hand over the
// exact bytes of one format's block while it is open, close it. Turning those bytes into text
// or paths is the caller's business.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <utility>

namespace pickwell {

// The host's clipboard formats are numbers; named ones are registered at run time.
using WinPortFormat = std::uint32_t;
inline constexpr WinPortFormat kWinPortUnicodeText = 13;  // CF_UNICODETEXT, in UTF-32

using WinPortBlockReader = std::function<void(std::span<const std::byte>)>;

class WinPortClipboard {
  public:
    // Holds the clipboard open; closes it when it goes, if it was opened at all.
    class Session {
      public:
        explicit Session(WinPortClipboard* owner) : owner_(owner) {}
        Session(Session&& other) noexcept : owner_(std::exchange(other.owner_, nullptr)) {}
        Session(const Session&) = delete;
        Session& operator=(const Session&) = delete;
        Session& operator=(Session&&) = delete;
        ~Session() {
            if (owner_ != nullptr) {
                owner_->close();
            }
        }
        explicit operator bool() const { return owner_ != nullptr; }

        // The number of the format called `name` (UTF-32, NUL-terminated); 0 when the clipboard
        // cannot carry it. Some of the host's clipboards know formats only while open.
        WinPortFormat register_format(const char32_t* name) const {
            return owner_->register_format(name);
        }
        // Calls `reader` with the block of `format` and returns true, or returns false when the
        // clipboard holds no such block. The bytes are only valid during the call.
        bool read(WinPortFormat format, const WinPortBlockReader& reader) const {
            return owner_->read_block(format, reader);
        }

      private:
        WinPortClipboard* owner_;
    };

    virtual ~WinPortClipboard() = default;

    // A false session means another user of the clipboard holds it.
    [[nodiscard]] Session open() { return Session(try_open() ? this : nullptr); }

  protected:
    virtual bool try_open() = 0;
    virtual void close() = 0;
    virtual WinPortFormat register_format(const char32_t* name) = 0;
    virtual bool read_block(WinPortFormat format, const WinPortBlockReader& reader) = 0;
};

}  // namespace pickwell
