# SPDX-License-Identifier: MIT
# Installs the build into a staging prefix and checks that everything a user
# needs landed where the desktop and the program look for it, and that a
# program in the installed bin folder finds the manual, also after the whole
# tree has been moved elsewhere.
# Usage: cmake -DBUILD_DIR=<build> -DSTAGE_DIR=<empty folder> -DPROBE=<manual probe>
#        -P CheckInstall.cmake

set(moved "${STAGE_DIR}-moved")
file(REMOVE_RECURSE "${STAGE_DIR}" "${moved}")
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

foreach(program strobix strobix-devsim)
    expect_file(bin/${program})
    execute_process(COMMAND test -x "${STAGE_DIR}/bin/${program}" RESULT_VARIABLE notExecutable)
    if(NOT notExecutable EQUAL 0)
        message(FATAL_ERROR "bin/${program} is not executable")
    endif()
    # Compressed where gzip was found at build time.
    if(NOT EXISTS "${STAGE_DIR}/share/man/man1/${program}.1.gz")
        expect_file(share/man/man1/${program}.1)
    endif()
endforeach()

set(desktop share/applications/strobix.desktop)
expect_file(${desktop})
expect_text(${desktop} "\nExec=strobix %f\n")
expect_text(${desktop} "\nIcon=strobix\n")
expect_text(${desktop} "\nType=Application\n")
expect_text(${desktop} "\nMimeType=application/x-strobix-sequence;\n")

expect_file(share/icons/hicolor/scalable/apps/strobix.svg)
expect_text(share/icons/hicolor/scalable/apps/strobix.svg "<svg")

# The file type the desktop entry names, and the AppStream data that points
# at the desktop entry by its installed name.
expect_text(share/mime/packages/strobix.xml "type=\"application/x-strobix-sequence\"")
set(metainfo share/metainfo/org.strobix.Strobix.metainfo.xml)
expect_text(${metainfo} "<id>org.strobix.Strobix</id>")
expect_text(${metainfo} "<launchable type=\"desktop-id\">strobix.desktop</launchable>")
expect_text(${metainfo} "<mediatype>application/x-strobix-sequence</mediatype>")

expect_file(share/doc/strobix/copyright)
expect_text(share/doc/strobix/copyright "License: Expat")

# The manuals where the program looks for them (English, and German in its
# language's folder), with every picture they show, and nothing left in the
# documentation folder that systems may strip.
set(manual share/strobix/manual)
foreach(folder ${manual} ${manual}/de)
    expect_file(${folder}/index.html)
    file(READ "${STAGE_DIR}/${folder}/index.html" page)
    string(REGEX MATCHALL "[./]*images/[A-Za-z0-9_@./-]+\\.(png|svg|gif)" pictures "${page}")
    if(NOT pictures)
        message(FATAL_ERROR "the manual ${folder} shows no pictures")
    endif()
    list(REMOVE_DUPLICATES pictures)
    foreach(picture IN LISTS pictures)
        expect_file(${folder}/${picture})
    endforeach()
endforeach()
if(EXISTS "${STAGE_DIR}/share/doc/strobix/manual")
    message(FATAL_ERROR "the manual is still installed under share/doc")
endif()

# The gallery: every example in the sources, and nothing else.
file(GLOB sourceExamples RELATIVE "${SOURCE_DIR}/examples" "${SOURCE_DIR}/examples/*")
file(GLOB installedExamples RELATIVE "${STAGE_DIR}/share/strobix/examples"
     "${STAGE_DIR}/share/strobix/examples/*")
if(NOT sourceExamples OR NOT sourceExamples STREQUAL installedExamples)
    message(FATAL_ERROR "examples installed: ${installedExamples}; in the sources: ${sourceExamples}")
endif()

# What a program in the installed bin folder finds, before and after moving
# the whole installation.
function(expect_manual_found prefix)
    execute_process(COMMAND "${prefix}/bin/strobix-manual-probe" RESULT_VARIABLE result
                    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT result EQUAL 0 OR NOT found STREQUAL "${prefix}/${manual}/index.html")
        message(FATAL_ERROR "a program in ${prefix}/bin finds the manual at \"${found}\"")
    endif()
endfunction()
file(COPY "${PROBE}" DESTINATION "${STAGE_DIR}/bin")
get_filename_component(probeName "${PROBE}" NAME)
file(RENAME "${STAGE_DIR}/bin/${probeName}" "${STAGE_DIR}/bin/strobix-manual-probe")
expect_manual_found("${STAGE_DIR}")
file(RENAME "${STAGE_DIR}" "${moved}")
expect_manual_found("${moved}")
file(REMOVE_RECURSE "${moved}")
