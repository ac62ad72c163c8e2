#include "host/far2/panel.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>
#include <utility>

namespace pickwell::far2 {

PanelFacts HostPanel::facts() {
    // A host that cannot report the panel leaves the record zeroed: no items to walk.
    PanelInfo panel{};
    (void)host_.control(FCTL_GETPANELINFO, 0, &panel);
    return {panel.PanelType == PTYPE_FILEPANEL, panel.Plugin != 0,
            static_cast<std::size_t>(std::max(panel.ItemsNumber, 0))};
}

std::optional<ItemNames> HostPanel::item(std::size_t index) {
    // The last item's buffer goes before the next one is asked for.
    item_.reset();
    const int at = static_cast<int>(std::min<std::size_t>(index, INT_MAX));
    const int size = host_.control(FCTL_GETPANELITEM, at, IntPtr{0});
    if (size <= 0) {
        return std::nullopt;
    }
    // Never smaller than the record, so that reading it stays inside the buffer whatever size
    // the host states.
    const std::size_t bytes =
        std::max<std::size_t>(static_cast<std::size_t>(size), sizeof(PluginPanelItem));
    std::unique_ptr<std::byte[]> buffer(new (std::nothrow) std::byte[bytes]());
    if (!buffer || host_.control(FCTL_GETPANELITEM, at, buffer.get()) == 0) {
        return std::nullopt;
    }
    item_ = std::move(buffer);
    PluginPanelItem record;
    std::memcpy(&record, item_.get(), sizeof record);
    const auto or_empty = [](const char16_t* text) { return text != nullptr ? text : u""; };
    return ItemNames{or_empty(record.FindData.lpwszFileName),
                     or_empty(record.FindData.lpwszAlternateFileName)};
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

}  // namespace pickwell::far2
