#pragma once

namespace pickwell {

// Indices of the module's texts in its language files. 0 and 3 are never requested but keep
// their lines in the files.
enum class Message : int {
    Ok = 1,
    Cancel = 2,
    MenuEntry = 4,
    ConfigTitle = 5,
    SeparatorsLabel = 6,
    CaseSensitive = 7,
    TrimSpaces = 8,
};

}  // namespace pickwell
