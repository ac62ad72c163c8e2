// One host's session as the checks that hold for every module drive it: the panel the fake host
// plays, the case setting in the module's store, and the command through the loaded DLL.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "support/scripted_host.h"

namespace wine_test {

class CommandSession {
  public:
    virtual ~CommandSession() = default;

    virtual std::vector<pickwell::testing::FakeItem>& items() = 0;
    virtual void set_plugin_panel(bool plugin) = 0;
    virtual void store_case_sensitive(std::uint32_t value) = 0;

    // The command through the DLL's entry point: the FCTL_SETSELECTION calls per item. Fails the
    // test when the host was called as its interface does not allow.
    virtual std::vector<int> run_command() = 0;
    // Of the last run: its last panel call was FCTL_REDRAWPANEL; its FCTL_GETPANELITEM calls.
    virtual bool redrew_the_panel() const = 0;
    virtual std::size_t item_requests() const = 0;

    // Counts the clipboard sessions and settings handles the DLL opens from now on; false when
    // it cannot.
    virtual bool count_open_handles() = 0;
    // None of them is open now.
    virtual bool left_nothing_open() const = 0;
};

}  // namespace wine_test
