// The system clipboard, reduced to what the command needs: open it, hand over the raw bytes of
// one format's block while it is open, close it. Turning those bytes into text or file names is
// the caller's business (see win32/clipboard_blocks.h).
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace pickwell {

enum class ClipboardFormat : unsigned {
    UnicodeText = 13,  // CF_UNICODETEXT
    FileDrop = 15,     // CF_HDROP
};

using ClipboardBlockReader = std::function<void(std::span<const std::byte>)>;

class Clipboard {
  public:
    // Holds the clipboard open; closes it when it goes, if it was opened at all.
    class Session {
      public:
        explicit Session(Clipboard* owner) : owner_(owner) {}
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

        // Calls `reader` with the block of `format` and returns true, or returns false when the
        // clipboard holds no such block. The bytes are only valid during the call.
        bool read(ClipboardFormat format, const ClipboardBlockReader& reader) const {
            return owner_->read_block(format, reader);
        }

      private:
        Clipboard* owner_;
    };

    virtual ~Clipboard() = default;

    // Opens the clipboard without an owner window. A false session means another program
    // holds it.
    [[nodiscard]] Session open() { return Session(try_open() ? this : nullptr); }

    // Converts a path stored in the system's ANSI code page, as old programs put file lists on
    // the clipboard.
    virtual std::u16string ansi_to_wide(std::string_view ansi) const = 0;

  protected:
    virtual bool try_open() = 0;
    virtual void close() = 0;
    virtual bool read_block(ClipboardFormat format, const ClipboardBlockReader& reader) = 0;
};

}  // namespace pickwell
