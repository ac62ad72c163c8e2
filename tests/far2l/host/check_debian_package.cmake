# Builds the Debian package from the built module and its language and help files, as
# scripts/package.sh does, and checks that it depends on far2l and on the C runtime at a version
# read from the module. scripts/far2l-deb.sh itself stops when the package lacks a file or its
# changelog speaks of another version.
#   cmake -DSCRIPT=scripts/far2l-deb.sh -DVERSION=... -DMODULE=... -DFILES=a.lng,a.hlf,...
#         -DWORK=<scratch folder> -P check_debian_package.cmake
string(REPLACE "," ";" files "${FILES}")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/plug")
file(COPY "${MODULE}" ${files} DESTINATION "${WORK}/plug")

execute_process(COMMAND "${SCRIPT}" "${VERSION}" "${WORK}/plug" "${WORK}"
                OUTPUT_VARIABLE deb OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND dpkg-deb --field "${deb}" Depends
                OUTPUT_VARIABLE depends OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
if(NOT depends MATCHES "^far2l, libc6 \\(>= [0-9][0-9.]*\\)")
    message(FATAL_ERROR "${deb} depends on '${depends}'")
endif()
message(STATUS "${deb}: Depends: ${depends}")
