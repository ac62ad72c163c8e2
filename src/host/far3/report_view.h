// What the second menu entry shows, through Far 3's Message, Menu and clipboard writer.
#pragma once

#include "core/report_view.h"
#include "host/far3/host_context.h"

namespace pickwell::far3 {

// F1 in both the message and the list shows this topic of the module's help file.
inline constexpr const WChar* kReportHelpTopic = u"NotFound";

// The list's lines are shortened to this many characters: an 80-column console shows them whole
// inside the menu's frame.
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
    std::u16string_view line_break() const override { return u"\r\n"; }

  private:
    const HostContext& host_;
};

}  // namespace pickwell::far3
