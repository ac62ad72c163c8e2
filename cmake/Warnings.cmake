# Warnings are errors in our own code.
function(pickwell_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX /permissive- /utf-8)
    else()
        target_compile_options(${target} PRIVATE
            -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wnon-virtual-dtor
            -Wold-style-cast -Wcast-align -Werror)
    endif()
endfunction()
