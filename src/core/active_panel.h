// The host's active panel, as the command sees it.
#pragma once

#include <cstddef>
#include <optional>

namespace pickwell {

struct PanelFacts {
    bool file_panel = false;    // only a file panel has items to select
    bool plugin_panel = false;  // its items belong to a plug-in: names may be whole paths
    std::size_t items = 0;
};

// An item's names as the host reports them, as C strings; never null (a missing name reads as
// empty). Hosts without short names report an empty one.
struct ItemNames {
    const char16_t* file_name;
    const char16_t* short_name;
};

class ActivePanel {
  public:
    virtual ~ActivePanel() = default;

    virtual PanelFacts facts() = 0;
    // The names of item `index` (below `facts().items`), valid until the next item is asked
    // for; nothing for an item the host cannot give.
    virtual std::optional<ItemNames> item(std::size_t index) = 0;

    // Selection changes come between these two, so that the host can offer to undo them.
    virtual void begin_selection() = 0;
    virtual void select(std::size_t index) = 0;
    virtual void end_selection() = 0;
    virtual void redraw() = 0;
};

}  // namespace pickwell
