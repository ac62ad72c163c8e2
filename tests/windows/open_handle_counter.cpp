#include "open_handle_counter.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace wine_test {
namespace {

OpenHandles counted;

LSTATUS WINAPI counting_open_key(HKEY key, LPCWSTR path, DWORD options, REGSAM access,
                                 PHKEY opened) {
    const LSTATUS status = RegOpenKeyExW(key, path, options, access, opened);
    if (status == ERROR_SUCCESS) {
        ++counted.keys;
        ++counted.keys_ever;
    }
    return status;
}

LSTATUS WINAPI counting_create_key(HKEY key, LPCWSTR path, DWORD reserved, LPWSTR key_class,
                                   DWORD options, REGSAM access,
                                   const LPSECURITY_ATTRIBUTES security, PHKEY created,
                                   LPDWORD disposition) {
    const LSTATUS status = RegCreateKeyExW(key, path, reserved, key_class, options, access,
                                           security, created, disposition);
    if (status == ERROR_SUCCESS) {
        ++counted.keys;
        ++counted.keys_ever;
    }
    return status;
}

LSTATUS WINAPI counting_close_key(HKEY key) {
    const LSTATUS status = RegCloseKey(key);
    if (status == ERROR_SUCCESS) {
        --counted.keys;
    }
    return status;
}

BOOL WINAPI counting_open_clipboard(HWND owner) {
    const BOOL opened = OpenClipboard(owner);
    if (opened) {
        ++counted.clipboard;
    }
    return opened;
}

BOOL WINAPI counting_close_clipboard() {
    const BOOL closed = CloseClipboard();
    if (closed) {
        --counted.clipboard;
    }
    return closed;
}

void* __cdecl counting_malloc(std::size_t size) {
    void* block = std::malloc(size);
    counted.heap_blocks += block != nullptr ? 1 : 0;
    return block;
}

void* __cdecl counting_calloc(std::size_t count, std::size_t size) {
    void* block = std::calloc(count, size);
    counted.heap_blocks += block != nullptr ? 1 : 0;
    return block;
}

// The system's realloc allocates for a null block and frees for a size of 0.
void* __cdecl counting_realloc(void* block, std::size_t size) {
    void* moved = std::realloc(block, size);
    if (block == nullptr && moved != nullptr) {
        ++counted.heap_blocks;
    } else if (block != nullptr && size == 0) {
        --counted.heap_blocks;
    }
    return moved;
}

void __cdecl counting_free(void* block) {
    counted.heap_blocks -= block != nullptr ? 1 : 0;
    std::free(block);
}

template <typename T>
T* at(HMODULE module, DWORD offset) {
    return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(module) + offset);
}

// Points the module's import slot for `function` at `replacement`.
bool reroute(HMODULE module, const char* function, void* replacement) {
    const auto* dos = at<IMAGE_DOS_HEADER>(module, 0);
    const auto* nt = at<IMAGE_NT_HEADERS>(module, static_cast<DWORD>(dos->e_lfanew));
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* library = at<IMAGE_IMPORT_DESCRIPTOR>(module, imports.VirtualAddress);
         library->Name != 0; ++library) {
        const DWORD names_at =
            library->OriginalFirstThunk != 0 ? library->OriginalFirstThunk : library->FirstThunk;
        auto* name = at<IMAGE_THUNK_DATA>(module, names_at);
        auto* slot = at<IMAGE_THUNK_DATA>(module, library->FirstThunk);
        for (; name->u1.AddressOfData != 0; ++name, ++slot) {
            if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal)) {
                continue;
            }
            const auto* by_name =
                at<IMAGE_IMPORT_BY_NAME>(module, static_cast<DWORD>(name->u1.AddressOfData));
            if (std::strcmp(reinterpret_cast<const char*>(by_name->Name), function) != 0) {
                continue;
            }
            DWORD protection = 0;
            if (!VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE,
                                &protection)) {
                return false;
            }
            slot->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, protection, &protection);
            return true;
        }
    }
    return false;
}

void* as_pointer(auto function) {
    return reinterpret_cast<void*>(function);
}

}  // namespace

bool count_open_handles(bool registry) {
    static const bool rerouted = [registry] {
        const HMODULE module = GetModuleHandleW(L"Pickwell.dll");
        if (module == nullptr) {
            return false;
        }
        bool all = reroute(module, "OpenClipboard", as_pointer(&counting_open_clipboard));
        all = reroute(module, "CloseClipboard", as_pointer(&counting_close_clipboard)) && all;
        if (registry) {
            all = reroute(module, "RegOpenKeyExW", as_pointer(&counting_open_key)) && all;
            all = reroute(module, "RegCreateKeyExW", as_pointer(&counting_create_key)) && all;
            all = reroute(module, "RegCloseKey", as_pointer(&counting_close_key)) && all;
        }
        return all;
    }();
    return rerouted;
}

bool count_heap_blocks() {
    static const bool rerouted = [] {
        const HMODULE module = GetModuleHandleW(L"Pickwell.dll");
        if (module == nullptr) {
            return false;
        }
        bool all = reroute(module, "malloc", as_pointer(&counting_malloc));
        all = reroute(module, "calloc", as_pointer(&counting_calloc)) && all;
        all = reroute(module, "realloc", as_pointer(&counting_realloc)) && all;
        return reroute(module, "free", as_pointer(&counting_free)) && all;
    }();
    return rerouted;
}

const OpenHandles& open_handles() {
    return counted;
}

}  // namespace wine_test
