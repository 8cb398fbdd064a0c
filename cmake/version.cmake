# The program's version has one home: the FILEVERSION line of res/ravlet.rc, the only
# place a person edits it. Everything else that names it is either made from it here
# (the manifest, a header for the resource script and the tests, the texts of the help
# file and the readme) or compared with it here (the About box's "Version X.Y", the
# zip name in README.md, the newest entry of CHANGELOG), so a release never names two
# versions.
set(version_script ${CMAKE_SOURCE_DIR}/res/ravlet.rc)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${version_script} ${CMAKE_SOURCE_DIR}/res/ravlet.manifest.in
             ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/CHANGELOG)

file(STRINGS ${version_script} version_line REGEX "^FILEVERSION ")
if(NOT version_line MATCHES "^FILEVERSION +([0-9]+), *([0-9]+), *([0-9]+), *([0-9]+) *$")
    message(FATAL_ERROR "res/ravlet.rc: no line \"FILEVERSION a, b, c, d\"")
endif()
set(RAVLET_VERSION_MAJOR ${CMAKE_MATCH_1})
set(RAVLET_VERSION_MINOR ${CMAKE_MATCH_2})
set(RAVLET_VERSION_COMMAS "${CMAKE_MATCH_1}, ${CMAKE_MATCH_2}, ${CMAKE_MATCH_3}, ${CMAKE_MATCH_4}")
set(RAVLET_VERSION "${CMAKE_MATCH_1}.${CMAKE_MATCH_2}.${CMAKE_MATCH_3}.${CMAKE_MATCH_4}")
set(RAVLET_VERSION_SHORT "${CMAKE_MATCH_1}.${CMAKE_MATCH_2}")

# Made from it.
set(RAVLET_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_SOURCE_DIR}/res/ravlet.manifest.in ${RAVLET_GENERATED_DIR}/ravlet.manifest
               @ONLY)
file(CONFIGURE OUTPUT ${RAVLET_GENERATED_DIR}/ravlet_version.h CONTENT
"// Made by the build from FILEVERSION in res/ravlet.rc: edit the version there.
#pragma once

#define RAVLET_VERSION_COMMAS @RAVLET_VERSION_COMMAS@
#define RAVLET_VERSION_TEXT \"@RAVLET_VERSION@\"
#define RAVLET_VERSION_SHORT_TEXT \"@RAVLET_VERSION_SHORT@\"
" @ONLY)

# Compared with it. The About box's text is the program's own and changes only with the
# first two numbers.
function(ravlet_check_version file pattern expected what)
    file(STRINGS ${file} found REGEX "${pattern}" ENCODING UTF-8)
    if(NOT found)
        message(FATAL_ERROR "${file}: ${what} not found")
    endif()
    foreach(line IN LISTS found)
        string(REGEX MATCHALL "${pattern}" matches "${line}")
        foreach(match IN LISTS matches)
            string(REGEX REPLACE "${pattern}" "\\1" value "${match}")
            if(NOT value STREQUAL expected)
                message(FATAL_ERROR "${file}: ${what} says ${value}; FILEVERSION in "
                                    "res/ravlet.rc says ${expected}")
            endif()
        endforeach()
    endforeach()
endfunction()
ravlet_check_version(${version_script} "\"ravlet Version ([0-9.]+)\"" ${RAVLET_VERSION_SHORT}
                     "the About box's version")
ravlet_check_version(${CMAKE_SOURCE_DIR}/README.md "ravlet-([0-9][0-9.]*[0-9])-win32\\.zip"
                     ${RAVLET_VERSION} "the zip name")
file(STRINGS ${CMAKE_SOURCE_DIR}/CHANGELOG entries REGEX "^■ " ENCODING UTF-8)
list(GET entries 0 newest)
if(NOT newest MATCHES "^■ ([0-9.]+)" OR NOT CMAKE_MATCH_1 STREQUAL RAVLET_VERSION)
    message(FATAL_ERROR "CHANGELOG: the newest entry (\"${newest}\") is not for "
                        "${RAVLET_VERSION}, the FILEVERSION in res/ravlet.rc")
endif()
