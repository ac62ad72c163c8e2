// Far 3's active panel, through PanelControl.
#pragma once

#include <cstddef>
#include <memory>

#include "core/active_panel.h"
#include "host/far3/host_context.h"

namespace pickwell::far3 {

class HostPanel final : public ActivePanel {
  public:
    explicit HostPanel(const HostContext& host) : host_(host) {}

    // A host that cannot report the panel counts as showing no file panel.
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

}  // namespace pickwell::far3
