// How the host shows the user what became of a command: a message box, a list in one of its
// menus, and the clipboard for the list's text.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace pickwell {

// How the user closed a list.
struct ListClosed {
    bool copy = false;     // with a key that copies the list (the list is shown again)
    std::size_t line = 0;  // the line the cursor was on
};

class ReportView {
  public:
    virtual ~ReportView() = default;

    // A message box titled `title` with `lines` and an OK button; `warning` for a failure.
    virtual void show_message(std::u16string_view title, std::span<const std::u16string> lines,
                              bool warning) = 0;
    // A scrollable menu titled `title` with one item per line, `bottom` under it and the cursor
    // on line `selected`, closed with Enter or Esc, or with Ctrl+C or Ctrl+Ins to copy the list.
    virtual ListClosed show_list(std::u16string_view title, std::u16string_view bottom,
                                 std::span<const std::u16string> lines, std::size_t selected) = 0;
    // The widest line the list shows whole, in characters.
    virtual std::size_t list_width() const = 0;

    // Puts `text` on the clipboard; false when it cannot (another program holds it).
    [[nodiscard]] virtual bool copy_text(std::u16string_view text) = 0;
    // What ends a line of text on this host's clipboard.
    virtual std::u16string_view line_break() const = 0;
};

}  // namespace pickwell
