#include "host/far3/panel.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

namespace pickwell::far3 {

PanelFacts HostPanel::facts() {
    PanelInfo panel{};
    panel.StructSize = sizeof panel;
    if (host_.panel_control(FCTL_GETPANELINFO, 0, &panel) == kFalse) {
        return {};
    }
    return {panel.PanelType == PTYPE_FILEPANEL, (panel.Flags & PFLAGS_PLUGIN) != 0,
            panel.ItemsNumber};
}

std::optional<ItemNames> HostPanel::item(std::size_t index) {
    // The last item's buffer goes before the next one is asked for.
    item_.reset();
    const auto at = static_cast<IntPtr>(index);
    const IntPtr size = host_.panel_control(FCTL_GETPANELITEM, at, nullptr);
    if (size <= 0) {
        return std::nullopt;
    }
    // Never smaller than the record, so that reading it stays inside the buffer whatever size
    // the host states.
    const std::size_t bytes = std::max(static_cast<std::size_t>(size), sizeof(PluginPanelItem));
    std::unique_ptr<std::byte[]> buffer(new (std::nothrow) std::byte[bytes]());
    if (!buffer) {
        return std::nullopt;
    }
    FarGetPluginPanelItem request{sizeof request, bytes,
                                  static_cast<PluginPanelItem*>(static_cast<void*>(buffer.get()))};
    // The host answers with the size the item needs; more than the buffer holds means the item
    // grew since it was measured and its names may be cut off.
    const IntPtr needed = host_.panel_control(FCTL_GETPANELITEM, at, &request);
    if (needed <= 0 || static_cast<std::size_t>(needed) > bytes) {
        return std::nullopt;
    }
    item_ = std::move(buffer);
    PluginPanelItem record;
    std::memcpy(&record, item_.get(), sizeof record);
    const auto or_empty = [](const char16_t* text) { return text != nullptr ? text : u""; };
    return ItemNames{or_empty(record.FileName), or_empty(record.AlternateFileName)};
}

void HostPanel::begin_selection() {
    (void)host_.panel_control(FCTL_BEGINSELECTION, 0, nullptr);
}

void HostPanel::select(std::size_t index) {
    // The pointer's value is the flag: any non-null value selects.
    (void)host_.panel_control(FCTL_SETSELECTION, static_cast<IntPtr>(index),
                              reinterpret_cast<void*>(IntPtr{1}));
}

void HostPanel::end_selection() {
    (void)host_.panel_control(FCTL_ENDSELECTION, 0, nullptr);
}

void HostPanel::redraw() {
    (void)host_.panel_control(FCTL_REDRAWPANEL, 0, nullptr);
}

}  // namespace pickwell::far3
