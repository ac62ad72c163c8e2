// What a macro asks of the module with the arguments of Plugin.Call or Plugin.SyncCall.
#pragma once

#include <optional>
#include <string>

#include "host/far3/plugin_api.h"

namespace pickwell::far3 {

struct MacroRequest {
    // "NotFound": the names no item matched go back with the number of items marked.
    bool list_not_found = false;
    // The names to select, in place of the clipboard's.
    std::optional<std::u16string> text;
};

// The request of a macro's arguments: none, the command on the clipboard; "Select" and a text,
// the command on the text; "NotFound", and a text or not, the command as the second menu entry
// runs it. The word is compared without regard to ASCII case. Nothing for any other arguments: a
// wrong word, count or type (Lua's numbers come as doubles, nil as its own type), a null string.
// No argument record at all reads as no arguments.
std::optional<MacroRequest> read_macro_request(const OpenMacroInfo* arguments);

}  // namespace pickwell::far3
