#pragma once

#include <string>
#include <vector>

#include "support/scripted_host.h"

namespace wine_test {

// What one host's module did in the demo.
struct DemoRun {
    std::u16string menu_entry;
    std::vector<int> selections;  // FCTL_SETSELECTION calls per item
    bool clean;                   // the host was only called as its interface allows
};
// Runs the loaded module's command, as its host would, on a panel of `items`, with the module's
// texts by number; the clipboard is filled already.
using DemoCommand = DemoRun (*)(const std::vector<pickwell::testing::FakeItem>& items,
                                const std::vector<std::u16string>& texts);

// Puts the text of `clipboard_file` (UTF-8) on the clipboard, runs the command on a panel that
// shows `folder`, and prints the panel with the selected items marked.
int run_demo(const std::wstring& folder, const std::wstring& clipboard_file, DemoCommand command);

}  // namespace wine_test
