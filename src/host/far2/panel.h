// Far 2's active panel, through Control.
#pragma once

#include <cstddef>
#include <memory>

#include "core/active_panel.h"
#include "host/far2/host_context.h"

namespace pickwell::far2 {

class HostPanel final : public ActivePanel {
  public:
    explicit HostPanel(const HostContext& host) : host_(host) {}

    PanelFacts facts() override;
    std::optional<ItemNames> item(std::size_t index) override;
    void begin_selection() override;
    void select(std::size_t index) override;
    void end_selection() override;
    void redraw() override;

  private:
    const HostContext& host_;
    // The item last fetched, in a zero-filled buffer of the size the host asked for.
    std::unique_ptr<std::byte[]> item_;
};

}  // namespace pickwell::far2
