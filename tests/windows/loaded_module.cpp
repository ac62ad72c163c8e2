#include "loaded_module.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace wine_test {
namespace {

HMODULE loaded = nullptr;
std::wstring loaded_path;

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

void load_module(const std::wstring& path) {
    loaded_path = windows_path(path);
    // The module stays loaded for the whole run, as in the host.
    loaded = LoadLibraryW(loaded_path.c_str());
    if (loaded == nullptr) {
        std::fprintf(stderr, "cannot load %ls (error %lu)\n", loaded_path.c_str(), GetLastError());
        std::exit(2);
    }
}

const std::wstring& plugin_path() {
    return loaded_path;
}

void* export_address(const char* name) {
    const FARPROC address = GetProcAddress(loaded, name);
    if (address == nullptr) {
        std::fprintf(stderr, "Pickwell.dll does not export %s\n", name);
        std::exit(2);
    }
    return reinterpret_cast<void*>(address);
}

}  // namespace wine_test
