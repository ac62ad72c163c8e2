// The built module, loaded as a host loads it: once, from a path, for the whole run.
#pragma once

#include <string>

namespace wine_test {

// Stops the program when the module cannot be loaded.
void load_module(const std::wstring& path);
const std::wstring& plugin_path();

// The address of an export the module must have; stops the program when it has none.
void* export_address(const char* name);
template <typename Function>
Function module_export(const char* name) {
    return reinterpret_cast<Function>(export_address(name));
}

// A Windows path for a path given in Unix form (Wine maps the root as drive Z:).
std::wstring windows_path(std::wstring path);

}  // namespace wine_test
