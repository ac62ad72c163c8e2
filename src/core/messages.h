// The module's texts by number, and where they come from.
#pragma once

namespace pickwell {

// Indices of the module's texts in its language files. 0 and 3 are never requested but keep
// their lines in the files.
enum class Message : int {
    None = 0,  // an item without text
    Ok = 1,
    Cancel = 2,
    MenuEntry = 4,
    ConfigTitle = 5,
    SeparatorsLabel = 6,
    CaseSensitive = 7,
    TrimSpaces = 8,
};

// The host's texts in the user's language.
class MessageTexts {
  public:
    virtual ~MessageTexts() = default;
    // The text of `id`, owned by whoever returns it and valid until the call ends; null when the
    // host has none.
    virtual const char16_t* text(Message id) = 0;
};

}  // namespace pickwell
