// far2l's active panel, through Control.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "core/active_panel.h"
#include "host/far2l/host_context.h"

namespace pickwell::far2l {

class HostPanel final : public ActivePanel {
  public:
    explicit HostPanel(const HostContext& host) : host_(host) {}

    PanelFacts facts() override;
    // The host has no short names: each item's reads as empty.
    std::optional<ItemNames> item(std::size_t index) override;
    void begin_selection() override;
    void select(std::size_t index) override;
    void end_selection() override;
    void redraw() override;

  private:
    const HostContext& host_;
    // The item last fetched, in a zero-filled buffer of the size the host asked for, and its
    // name in UTF-16; both reused from item to item.
    std::unique_ptr<std::byte[]> buffer_;
    std::size_t buffer_size_ = 0;
    std::u16string name_;
};

}  // namespace pickwell::far2l
