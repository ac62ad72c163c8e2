#pragma once

#include <string>

namespace wine_test {

// Puts the text of `clipboard_file` (UTF-8) on the clipboard, runs the command on a panel that
// shows `folder`, and prints the panel with the selected items marked.
int run_demo(const std::wstring& folder, const std::wstring& clipboard_file);

}  // namespace wine_test
