# What every test program's build shares. Its files include GoogleTest and much of the standard
# library: parsed once per program instead of once per file. And the test code itself is built
# with `optimization` (-O0 for checks that do little work, -O1 for a program that plays a host
# under load), whatever the build's: it compiles in half the time, and the code under test keeps
# the build's own optimisation.
function(pickwell_test_program target optimization)
    target_precompile_headers(${target} PRIVATE
        <gtest/gtest.h> <algorithm> <cstddef> <cstdint> <functional> <map> <memory> <optional>
        <span> <string> <string_view> <utility> <vector>)
    target_compile_options(${target} PRIVATE $<$<NOT:$<CONFIG:Debug>>:${optimization}>)
endfunction()
