// Stops the fuzzer with a report when a property of the module does not hold.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace pickwell::fuzzing {

inline void require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}

}  // namespace pickwell::fuzzing
