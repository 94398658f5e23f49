# SPDX-License-Identifier: MIT
# Installs the build into a staging prefix and checks that everything a user
# needs landed where the desktop and the program look for it.
# Usage: cmake -DBUILD_DIR=<build> -DSTAGE_DIR=<empty folder> -P CheckInstall.cmake

file(REMOVE_RECURSE "${STAGE_DIR}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGE_DIR}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

function(expect_file relative)
    if(NOT EXISTS "${STAGE_DIR}/${relative}" OR IS_DIRECTORY "${STAGE_DIR}/${relative}")
        message(FATAL_ERROR "not installed: ${relative}")
    endif()
endfunction()

function(expect_text relative text)
    file(READ "${STAGE_DIR}/${relative}" content)
    string(FIND "${content}" "${text}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${relative} lacks \"${text}\"")
    endif()
endfunction()

expect_file(bin/strobix)
execute_process(COMMAND test -x "${STAGE_DIR}/bin/strobix" RESULT_VARIABLE notExecutable)
if(NOT notExecutable EQUAL 0)
    message(FATAL_ERROR "bin/strobix is not executable")
endif()

expect_file(share/applications/strobix.desktop)
expect_text(share/applications/strobix.desktop "\nExec=strobix\n")
expect_text(share/applications/strobix.desktop "\nIcon=strobix\n")
expect_text(share/applications/strobix.desktop "\nType=Application\n")

expect_file(share/icons/hicolor/scalable/apps/strobix.svg)
expect_text(share/icons/hicolor/scalable/apps/strobix.svg "<svg")

# The manual where the program looks for it, with every picture it shows.
set(manual share/doc/strobix/manual)
expect_file(${manual}/index.html)
file(READ "${STAGE_DIR}/${manual}/index.html" page)
string(REGEX MATCHALL "images/[A-Za-z0-9_@.-]+\\.(png|svg)" pictures "${page}")
if(NOT pictures)
    message(FATAL_ERROR "the manual shows no pictures")
endif()
list(REMOVE_DUPLICATES pictures)
foreach(picture IN LISTS pictures)
    expect_file(${manual}/${picture})
endforeach()
