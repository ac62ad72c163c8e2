# Runs the demo on the sample folder and compares its marks with the expected ones.
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${WINEPREFIX} WINEDEBUG=-all
            ${WINE} ${HOST} --demo ${SAMPLES}/folder ${SAMPLES}/clipboard.txt
    OUTPUT_VARIABLE output RESULT_VARIABLE status)
message("${output}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the demo failed (${status})")
endif()
string(REGEX MATCHALL "  \\[[x ]\\] [^\r\n]+" marks "${output}")
file(STRINGS ${SAMPLES}/expected-marks.txt expected ENCODING UTF-8)
if(NOT marks STREQUAL expected)
    message(FATAL_ERROR "marks differ from ${SAMPLES}/expected-marks.txt")
endif()
