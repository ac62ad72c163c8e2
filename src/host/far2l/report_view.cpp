#include "host/far2l/report_view.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <string>
#include <vector>

#include "platform/far2l/utf32_text.h"

namespace pickwell::far2l {
namespace {

// F1 on the list or a message opens the help topic on names not found.
constexpr const WChar* kHelpTopic = U"NotFound";

// The keys that copy the list, ended by 0 as the host reads them; the host reports the one
// pressed by its index here.
constexpr int kCopyKeys[] = {break_key('C', PKF_CONTROL), break_key(VK_INSERT, PKF_CONTROL), 0};
constexpr int kCopyKeyCount = static_cast<int>(std::size(kCopyKeys)) - 1;

// The host counts lines in an int.
int host_count(std::size_t count) {
    return static_cast<int>(std::min<std::size_t>(count, INT_MAX));
}

// `lines` in the host's UTF-32.
std::vector<std::u32string> host_lines(std::span<const std::u16string> lines) {
    std::vector<std::u32string> converted;
    converted.reserve(lines.size());
    for (const std::u16string& line : lines) {
        converted.push_back(utf32_from_utf16(line));
    }
    return converted;
}

}  // namespace

void HostReportView::show_message(std::u16string_view title, std::span<const std::u16string> lines,
                                  bool warning) {
    const std::u32string host_title = utf32_from_utf16(title);
    const std::vector<std::u32string> texts = host_lines(lines);
    std::vector<const WChar*> items;
    items.reserve(texts.size() + 1);
    items.push_back(host_title.c_str());
    for (const std::u32string& text : texts) {
        items.push_back(text.c_str());
    }
    // The host adds its own OK button to the title and lines.
    const Dword flags = FMSG_MB_OK | (warning ? FMSG_WARNING : 0);
    host_.message(flags, kHelpTopic, items.data(), host_count(items.size()));
}

ListClosed HostReportView::show_list(std::u16string_view title, std::u16string_view bottom,
                                     std::span<const std::u16string> lines, std::size_t selected) {
    const std::u32string host_title = utf32_from_utf16(title);
    const std::u32string host_bottom = utf32_from_utf16(bottom);
    const std::vector<std::u32string> texts = host_lines(lines);
    std::vector<FarMenuItem> items(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        items[i].Text = texts[i].c_str();
    }
    if (selected < items.size()) {
        items[selected].Selected = kTrue;
    }
    int break_code = -1;
    // A name's "&" is shown as it is, never taken for a hot key.
    const int chosen =
        host_.menu(FMENU_WRAPMODE | FMENU_SHOWAMPERSAND, host_title.c_str(), host_bottom.c_str(),
                   kHelpTopic, kCopyKeys, &break_code, items.data(), host_count(items.size()));
    // A copy key closes the menu on the line under the cursor; Enter and Esc end the list.
    const bool copy = break_code >= 0 && break_code < kCopyKeyCount;
    const bool on_a_line = chosen >= 0 && static_cast<std::size_t>(chosen) < items.size();
    return {copy, on_a_line ? static_cast<std::size_t>(chosen) : selected};
}

bool HostReportView::copy_text(std::u16string_view text) {
    const std::u32string host_text = utf32_from_utf16(text);
    return host_.copy_to_clipboard(host_text.c_str());
}

}  // namespace pickwell::far2l
