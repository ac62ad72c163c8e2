// Lets gtest print UTF-16 strings in failure messages.
#pragma once

#include <string>
#include <string_view>

namespace pickwell::testing {

// Printable ASCII as it is, every other unit as \uXXXX.
std::string narrow(std::u16string_view text);

}  // namespace pickwell::testing
