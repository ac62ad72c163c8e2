// What a macro's Plugin.Call receives from the command.
#pragma once

#include <cstddef>

#include "host/far3/plugin_api.h"

namespace pickwell::far3 {

// A FarMacroCall holding one integer, the number of items marked. The host converts it for the
// macro and then hands it to its callback, which frees it: each call allocates its own.
FarMacroCall* macro_result(std::size_t marked);

}  // namespace pickwell::far3
