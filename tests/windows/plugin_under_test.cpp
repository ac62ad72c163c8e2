#include "plugin_under_test.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace wine_test {
namespace {

PluginExports loaded{};
std::wstring loaded_path;

template <typename Function>
Function find_export(HMODULE module, const char* name) {
    const FARPROC address = GetProcAddress(module, name);
    if (address == nullptr) {
        std::fprintf(stderr, "Pickwell.dll does not export %s\n", name);
        std::exit(2);
    }
    return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

}  // namespace

std::wstring windows_path(std::wstring path) {
    if (!path.empty() && path[0] == L'/') {
        path = L"Z:" + path;
    }
    for (wchar_t& c : path) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    return path;
}

void load_plugin(const std::wstring& path) {
    loaded_path = windows_path(path);
    // The module stays loaded for the whole run, as in the host.
    const HMODULE module = LoadLibraryW(loaded_path.c_str());
    if (module == nullptr) {
        std::fprintf(stderr, "cannot load %ls (error %lu)\n", loaded_path.c_str(), GetLastError());
        std::exit(2);
    }
    loaded.SetStartupInfoW =
        find_export<decltype(loaded.SetStartupInfoW)>(module, "SetStartupInfoW");
    loaded.GetPluginInfoW = find_export<decltype(loaded.GetPluginInfoW)>(module, "GetPluginInfoW");
    loaded.OpenPluginW = find_export<decltype(loaded.OpenPluginW)>(module, "OpenPluginW");
    loaded.ConfigureW = find_export<decltype(loaded.ConfigureW)>(module, "ConfigureW");
}

const PluginExports& plugin() {
    return loaded;
}
const std::wstring& plugin_path() {
    return loaded_path;
}

}  // namespace wine_test
