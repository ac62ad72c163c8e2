// The module's texts by number, and where they come from.
#pragma once

namespace pickwell {

// Indices of the module's texts in its language files. Far 2's module asks for 1, 2 and 4 to 8;
// 3 is never requested but keeps its line. The Far 3 and far2l modules also ask for the plug-in's
// name, the title of its messages, and for 9 to 24. "%1" and "%2" in a text stand for numbers.
enum class Message : int {
    None = 0,  // an item without text
    PluginName = 0,
    Ok = 1,
    Cancel = 2,
    MenuEntry = 4,
    ConfigTitle = 5,
    SeparatorsLabel = 6,
    CaseSensitive = 7,
    TrimSpaces = 8,
    ReportMenuEntry = 9,   // the second menu entry: select, then list the names not found
    AllNamesFound = 10,    // "All %1 names found"
    TheNameFound = 11,     // ... when the clipboard named one
    ItemsSelected = 12,    // "%1 items selected"
    OneItemSelected = 13,  // ... when one was
    NamesNotFound = 14,    // "%1 of %2 names not found", the title of the list
    TheNameNotFound = 15,  // ... when the clipboard named one
    ListKeys = 16,         // under the list: its keys
    MoreNotShown = 17,     // its last line when it shows fewer names than it holds: "%1"
    NotFilePanel = 18,     // why the command could not run
    ClipboardHeld = 19,
    NoNames = 20,
    ListNotCopied = 21,  // the copy of the list failed
    ListCopied = 22,     // ... or it is on the clipboard
    // ... but for the names no clipboard text can hold: "%1" of them, or one
    ListCopiedWithout = 23,
    ListCopiedWithoutOne = 24,
};

// The number of messages the Far 3 and far2l language files hold.
inline constexpr int kMessageCount = 25;

// The host's texts in the user's language.
class MessageTexts {
  public:
    virtual ~MessageTexts() = default;
    // The text of `id`, owned by whoever returns it and valid until the call ends; null when the
    // host has none.
    virtual const char16_t* text(Message id) = 0;
};

}  // namespace pickwell
