// What became of a command, told through far2l's message box and menu, and the list's copy put
// on the clipboard through the host's own helper.
#pragma once

#include <cstddef>

#include "core/report_view.h"
#include "host/far2l/host_context.h"

namespace pickwell::far2l {

// The widest name the list shows whole: what a menu fits on an 80-column terminal, its frame
// and margins taken off. The module has no cheap way to learn the screen's real width.
inline constexpr std::size_t kListWidth = 72;

class HostReportView final : public ReportView {
  public:
    explicit HostReportView(const HostContext& host) : host_(host) {}

    void show_message(std::u16string_view title, std::span<const std::u16string> lines,
                      bool warning) override;
    ListClosed show_list(std::u16string_view title, std::u16string_view bottom,
                         std::span<const std::u16string> lines, std::size_t selected) override;
    std::size_t list_width() const override { return kListWidth; }

    [[nodiscard]] bool copy_text(std::u16string_view text) override;
    // far2l and the desktops it runs on end lines of text with a line feed alone.
    std::u16string_view line_break() const override { return u"\n"; }

  private:
    const HostContext& host_;
};

}  // namespace pickwell::far2l
