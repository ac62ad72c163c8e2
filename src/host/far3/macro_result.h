// What a macro's Plugin.Call receives from the command.
#pragma once

#include <cstddef>
#include <span>

#include "host/far3/plugin_api.h"
#include "select/name_list.h"

namespace pickwell::far3 {

// Each answer is a FarMacroCall of its own, with everything it points at in one allocation: the
// host converts the values for the macro and then hands them to the answer's callback, which
// frees them.

// One integer: the number of items marked.
FarMacroCall* macro_result(std::size_t marked);

// Two values: the number of items marked, and an array (a table to the macro) of the names of
// `names` at `not_found`, as strings, in that order.
FarMacroCall* macro_result(std::size_t marked, NameList names,
                           std::span<const std::size_t> not_found);

}  // namespace pickwell::far3
