#include "program_main.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include <vector>

#include "harness.h"

namespace wine_test {
namespace {

std::string narrow(const wchar_t* text) {
    std::string out;
    for (; *text != L'\0'; ++text) {
        out.push_back(static_cast<char>(*text));
    }
    return out;
}

}  // namespace

std::wstring next_to_this_program(const wchar_t* file) {
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self, length);
    return path.substr(0, path.find_last_of(L"\\/") + 1) + file;
}

int run_test_program(int argc, wchar_t** argv, const TestProgram& program) {
    // Plain "\n" line ends, as the Linux side reads them.
    _setmode(_fileno(stdout), _O_BINARY);
    std::wstring dll = next_to_this_program(program.default_dll);
    std::vector<std::wstring> rest;
    for (int i = 1; i < argc; ++i) {
        if (std::wstring(argv[i]) == L"--dll" && i + 1 < argc) {
            dll = argv[++i];
        } else {
            rest.emplace_back(argv[i]);
        }
    }
    program.load(dll);

    if (!rest.empty() && rest[0] == L"--demo") {
        if (rest.size() != 3) {
            return 2;
        }
        return run_demo(rest[1], rest[2], program.demo);
    }
    std::vector<std::string> filters;
    for (const auto& filter : rest) {
        filters.push_back(narrow(filter.c_str()));
    }
    return run(filters);
}

}  // namespace wine_test
