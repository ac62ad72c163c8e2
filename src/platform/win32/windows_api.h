// The one place that includes the Windows headers.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <type_traits>

namespace pickwell::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

// Our text is char16_t; the system's is the same UTF-16 in wchar_t.
inline const wchar_t* wide(const char16_t* text) {
    return reinterpret_cast<const wchar_t*>(text);
}
inline wchar_t* wide(char16_t* text) {
    return reinterpret_cast<wchar_t*>(text);
}

}  // namespace pickwell::win32
