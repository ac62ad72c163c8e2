#include "host/far3/report_view.h"

#include <iterator>
#include <string>
#include <vector>

namespace pickwell::far3 {
namespace {

// The keys that close the list to copy it, Ctrl+C and Ctrl+Ins, ended by a key of code 0. The
// host takes either Ctrl key for the left one. A letter key's code is its capital: 'c' would be
// the numeric keypad's 3.
constexpr FarKey kCopyKeys[] = {{u'C', kLeftCtrlPressed}, {kKeyInsert, kLeftCtrlPressed}, {0, 0}};
constexpr IntPtr kCopyKeyCount = static_cast<IntPtr>(std::size(kCopyKeys)) - 1;

}  // namespace

void HostReportView::show_message(std::u16string_view title, std::span<const std::u16string> lines,
                                  bool warning) {
    const std::u16string terminated_title(title);
    std::vector<const WChar*> items;
    items.reserve(lines.size() + 1);
    items.push_back(terminated_title.c_str());
    for (const std::u16string& line : lines) {
        items.push_back(line.c_str());
    }
    const Flags64 flags = FMSG_MB_OK | (warning ? FMSG_WARNING : 0);
    (void)host_.message(kReportMessageGuid, flags, kReportHelpTopic, items.data(), items.size());
}

ListClosed HostReportView::show_list(std::u16string_view title, std::u16string_view bottom,
                                     std::span<const std::u16string> lines, std::size_t selected) {
    const std::u16string terminated_title(title);
    const std::u16string terminated_bottom(bottom);
    // The items point into the caller's lines, which outlive the call; the host copies them.
    std::vector<FarMenuItem> items(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        items[i].Text = lines[i].c_str();
        items[i].Flags = i == selected ? MIF_SELECTED : 0;
    }
    // A name's "&" is shown as it is, never taken for a hot key.
    constexpr Flags64 kFlags = FMENU_WRAPMODE | FMENU_SHOWAMPERSAND;
    IntPtr break_code = -1;
    const IntPtr chosen =
        host_.menu(kNotFoundListGuid, kFlags, terminated_title.c_str(), terminated_bottom.c_str(),
                   kReportHelpTopic, kCopyKeys, &break_code, items.data(), items.size());
    // A copy key closes the menu on the line under the cursor; Esc closes it on none.
    const bool on_a_line = chosen >= 0 && static_cast<std::size_t>(chosen) < lines.size();
    const std::size_t line = on_a_line ? static_cast<std::size_t>(chosen) : selected;
    const bool copy = break_code >= 0 && break_code < kCopyKeyCount;
    return {copy, line};
}

bool HostReportView::copy_text(std::u16string_view text) {
    const std::u16string terminated(text);
    return host_.copy_to_clipboard(terminated.c_str());
}

}  // namespace pickwell::far3
