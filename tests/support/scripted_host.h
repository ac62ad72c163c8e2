// What a fake host plays, whatever its interface: the panel's items, the dialog's answers and
// the module's texts.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace pickwell::testing {

struct FakeItem {
    std::optional<std::u16string> name;  // nullopt: the host reports a null name
    std::optional<std::u16string> short_name;
    // Overrides the byte size the host reports (0 or less skips the item).
    std::optional<int> reported_size;
    bool fill_fails = false;
};

struct ScriptedDialog {
    bool create_fails = false;
    int closed_by = 7;             // the item DialogRun reports
    std::optional<int> checks[9];  // DM_GETCHECK answers by item; default: the item's state
    std::optional<std::u16string> edit_text;  // DM_GETCONSTTEXTPTR answer; default: as given
};

// The texts GetMsg returns by number: those given, else "mN".
struct ScriptedTexts {
    std::vector<std::u16string> messages;

    static const char16_t* message_text(int id);
    const char16_t* text_of(int id) const;
};

// The bytes of a text and its terminator as a host lays it out; none for no text.
std::size_t text_bytes(const std::optional<std::u16string>& text);

// The items selected at least once, from the number of selections per item.
std::vector<int> indices_selected(const std::vector<int>& selections);

}  // namespace pickwell::testing
