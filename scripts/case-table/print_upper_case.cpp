// Prints, for every UTF-16 unit that CharUpperBuffW changes, the unit and its upper case as two
// hexadecimal numbers on one line. Run under Wine to read its case table.
#include <windows.h>

#include <cstdio>

int main() {
    for (unsigned unit = 1; unit <= 0xFFFF; ++unit) {
        WCHAR text[1] = {static_cast<WCHAR>(unit)};
        CharUpperBuffW(text, 1);
        if (text[0] != unit) {
            std::printf("%04X %04X\n", unit, static_cast<unsigned>(text[0]));
        }
    }
    return 0;
}
