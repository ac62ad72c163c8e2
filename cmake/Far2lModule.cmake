# The far2l module (Linux and macOS): the core behind far2l's packed records, with UTF-32 text at
# the boundary, the host's own clipboard and its settings in an INI file of the user's profile.
include(CheckLinkerFlag)

# far2l's text, comparison, clipboard formats and settings files, as pure functions where they
# can be; tested natively and fuzzed.
add_library(pickwell_far2l_platform STATIC
    src/platform/far2l/clipboard_source.cpp
    src/platform/far2l/collation.cpp
    src/platform/far2l/ini_text.cpp
    src/platform/far2l/profile_location.cpp
    src/platform/far2l/upper_case_table.cpp
    src/platform/far2l/uri_list.cpp
    src/platform/far2l/utf32_text.cpp
    src/platform/far2l/utf8_text.cpp
    src/platform/posix/environment.cpp
    src/platform/posix/settings_file.cpp
)
target_link_libraries(pickwell_far2l_platform PUBLIC pickwell_core)
pickwell_warnings(pickwell_far2l_platform)

add_library(pickwell_far2l STATIC
    src/host/far2l/dialog.cpp
    src/host/far2l/ini_settings.cpp
    src/host/far2l/panel.cpp
    src/host/far2l/plugin.cpp
    src/host/far2l/report_view.cpp
    src/host/far2l/startup_record.cpp
    src/host/far2l/texts.cpp
)
target_link_libraries(pickwell_far2l PUBLIC pickwell_far2l_platform pickwell_shared_adapter
                                            pickwell_full_paths)
pickwell_warnings(pickwell_far2l)

# The in-memory clipboard of the tests.
add_library(pickwell_far2l_memory STATIC src/platform/memory/far2l/clipboard.cpp)
target_link_libraries(pickwell_far2l_memory PUBLIC pickwell_core)
pickwell_warnings(pickwell_far2l_memory)

# Everything the module holds goes into a shared object, hidden from the host but for the four
# exports.
set_target_properties(pickwell_core pickwell_shared_adapter pickwell_full_paths
    pickwell_far2l_platform pickwell_far2l PROPERTIES
    POSITION_INDEPENDENT_CODE ON
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)

# The module links against no far2l library: the host's WINPORT_ functions are found in the
# far2l executable when it loads us, so undefined symbols must be allowed.
add_library(pickwell_far2l_module MODULE
    src/host/far2l/exports.cpp
    src/platform/far2l/host_clipboard.cpp
)
target_link_libraries(pickwell_far2l_module PRIVATE pickwell_far2l)
set_target_properties(pickwell_far2l_module PROPERTIES
    PREFIX ""
    OUTPUT_NAME Pickwell
    SUFFIX ".far-plug-wide"
    LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
pickwell_warnings(pickwell_far2l_module)
# Templates of the standard library keep default visibility whatever the compiler is told: the
# linker's list of exports hides them too.
if(APPLE)
    target_link_options(pickwell_far2l_module PRIVATE -undefined dynamic_lookup
        -Wl,-exported_symbols_list,${PROJECT_SOURCE_DIR}/res/far2l/Pickwell.exports)
else()
    check_linker_flag(CXX "-Wl,--exclude-libs,ALL" PICKWELL_LINKER_EXCLUDES_LIBS)
    if(PICKWELL_LINKER_EXCLUDES_LIBS)
        target_link_options(pickwell_far2l_module PRIVATE -Wl,--exclude-libs,ALL)
    endif()
    target_link_options(pickwell_far2l_module PRIVATE
        -Wl,--version-script,${PROJECT_SOURCE_DIR}/res/far2l/Pickwell.map)
endif()
set_property(TARGET pickwell_far2l_module APPEND PROPERTY LINK_DEPENDS
    ${PROJECT_SOURCE_DIR}/res/far2l/Pickwell.map)

# The language and help files sit next to the module; a changed one relinks it, and so is copied
# again.
set(PICKWELL_FAR2L_BESIDE_MODULE
    ${PROJECT_SOURCE_DIR}/res/PickwellEng.lng ${PROJECT_SOURCE_DIR}/res/PickwellRus.lng
    ${PROJECT_SOURCE_DIR}/res/far2l/PickwellEng.hlf ${PROJECT_SOURCE_DIR}/res/far2l/PickwellRus.hlf)
add_custom_command(TARGET pickwell_far2l_module POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PICKWELL_FAR2L_BESIDE_MODULE}
            $<TARGET_FILE_DIR:pickwell_far2l_module>)
set_property(TARGET pickwell_far2l_module APPEND PROPERTY LINK_DEPENDS
    ${PICKWELL_FAR2L_BESIDE_MODULE})
add_subdirectory(tests/far2l/host)
