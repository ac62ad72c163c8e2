// The command line of the Windows test hosts, one per host interface:
//
//   <program> [--dll PATH] [TEST-PREFIX...]
//   <program> [--dll PATH] --demo FOLDER CLIPBOARD-TEXT-FILE
#pragma once

#include <string>

#include "demo.h"

namespace wine_test {

struct TestProgram {
    const wchar_t* default_dll;  // relative to the program's folder
    void (*load)(const std::wstring& dll);
    DemoCommand demo;
};

// A file in this program's folder, or below it.
std::wstring next_to_this_program(const wchar_t* file);

// Loads the DLL and runs the tests or the demo; the exit code.
int run_test_program(int argc, wchar_t** argv, const TestProgram& program);

}  // namespace wine_test
