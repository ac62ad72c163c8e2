#include "host/far2l/panel.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>

#include "platform/far2l/utf32_text.h"

namespace pickwell::far2l {

PanelFacts HostPanel::facts() {
    // A host that cannot report the panel leaves the record zeroed: no items to walk.
    PanelInfo panel{};
    (void)host_.control(FCTL_GETPANELINFO, 0, &panel);
    return {panel.PanelType == PTYPE_FILEPANEL, panel.Plugin != 0,
            static_cast<std::size_t>(std::max(panel.ItemsNumber, 0))};
}

std::optional<ItemNames> HostPanel::item(std::size_t index) {
    const int at = static_cast<int>(std::min<std::size_t>(index, INT_MAX));
    const int size = host_.control(FCTL_GETPANELITEM, at, IntPtr{0});
    if (size <= 0) {
        return std::nullopt;
    }
    // The host writes what it said it needs with no bound of its own; the buffer is never
    // smaller than the record either, so reading the record stays inside it.
    const std::size_t bytes =
        std::max<std::size_t>(static_cast<std::size_t>(size), sizeof(PluginPanelItem));
    if (bytes > buffer_size_) {
        buffer_.reset(new (std::nothrow) std::byte[bytes]);
        buffer_size_ = buffer_ ? bytes : 0;
        if (!buffer_) {
            return std::nullopt;
        }
    }
    std::memset(buffer_.get(), 0, bytes);
    if (host_.control(FCTL_GETPANELITEM, at, buffer_.get()) == 0) {
        return std::nullopt;
    }
    PluginPanelItem record;
    std::memcpy(&record, buffer_.get(), sizeof record);
    utf16_from_host(record.FindData.lpwszFileName, name_);
    return ItemNames{name_.c_str(), u""};
}

void HostPanel::begin_selection() {
    (void)host_.control(FCTL_BEGINSELECTION, 0, IntPtr{0});
}

void HostPanel::select(std::size_t index) {
    (void)host_.control(FCTL_SETSELECTION, static_cast<int>(index), IntPtr{1});
}

void HostPanel::end_selection() {
    (void)host_.control(FCTL_ENDSELECTION, 0, IntPtr{0});
}

void HostPanel::redraw() {
    (void)host_.control(FCTL_REDRAWPANEL, 0, IntPtr{0});
}

}  // namespace pickwell::far2l
