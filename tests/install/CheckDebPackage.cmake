# SPDX-License-Identifier: MIT
# Builds the Debian package and checks its fields and contents, and that its
# programs carry no path of the machine they were built on.
# Usage: cmake -DBUILD_DIR=<build> -DOUT_DIR=<folder> -DCPACK=<cpack> -DDPKG_DEB=<dpkg-deb>
#        -DSOURCE_DIR=<sources> -DNO_BUILD_PATHS=<ON|OFF> -P CheckDebPackage.cmake

file(REMOVE_RECURSE "${OUT_DIR}")
execute_process(COMMAND "${CPACK}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${OUT_DIR}"
                RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cpack failed:\n${log}")
endif()
file(GLOB packages "${OUT_DIR}/strobix_*.deb")
list(LENGTH packages count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one package, found: ${packages}")
endif()

function(field name out)
    execute_process(COMMAND "${DPKG_DEB}" --field ${packages} ${name} OUTPUT_VARIABLE value
                    RESULT_VARIABLE result OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "dpkg-deb cannot read the package")
    endif()
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

field(Maintainer maintainer)
if(NOT maintainer MATCHES "^[^<]+ <[^ @<>]+@[^ @<>]+>$")
    message(FATAL_ERROR "Maintainer has no e-mail address: ${maintainer}")
endif()

# Each library once; Debian 12's X11 platform plugin comes with libqt6gui6.
field(Depends depends)
string(REGEX REPLACE " *\\([^)]*\\)" "" names "${depends}")
string(REPLACE ", " ";" names "${names}")
foreach(library libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6 libqt6svg6 libgif7)
    set(times 0)
    foreach(name IN LISTS names)
        if(name STREQUAL library)
            math(EXPR times "${times} + 1")
        endif()
    endforeach()
    if(NOT times EQUAL 1)
        message(FATAL_ERROR "Depends names ${library} ${times} times: ${depends}")
    endif()
endforeach()
if(depends MATCHES "qt6-qpa-plugins")
    message(FATAL_ERROR "Depends still names qt6-qpa-plugins: ${depends}")
endif()
field(Recommends recommends)
if(NOT recommends MATCHES "(^|, )xdg-utils(,|$)" OR NOT recommends MATCHES "(^|, )qt6-wayland(,|$)")
    message(FATAL_ERROR "Recommends lacks xdg-utils or qt6-wayland: ${recommends}")
endif()

# The changelog shipped describes this version.
field(Version version)
file(STRINGS "${SOURCE_DIR}/packaging/changelog" top LIMIT_COUNT 1)
if(NOT top MATCHES "^strobix \\(${version}\\) ")
    message(FATAL_ERROR "the changelog starts with \"${top}\", not version ${version}")
endif()

execute_process(COMMAND "${DPKG_DEB}" --contents ${packages} OUTPUT_VARIABLE contents)
foreach(path ./usr/bin/strobix ./usr/bin/strobix-devsim
             ./usr/share/applications/strobix.desktop
             ./usr/share/icons/hicolor/scalable/apps/strobix.svg
             ./usr/share/metainfo/org.strobix.Strobix.metainfo.xml
             ./usr/share/mime/packages/strobix.xml
             ./usr/share/man/man1/strobix.1.gz ./usr/share/man/man1/strobix-devsim.1.gz
             ./usr/share/doc/strobix/copyright ./usr/share/doc/strobix/changelog.gz
             ./usr/share/strobix/manual/index.html
             ./usr/share/strobix/examples/anticollision-strobe-double-flash.dat)
    string(FIND "${contents}" " ${path}\n" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "package lacks ${path}:\n${contents}")
    endif()
endforeach()

if(NO_BUILD_PATHS)
    set(root "${OUT_DIR}/root")
    execute_process(COMMAND "${DPKG_DEB}" -x ${packages} "${root}" RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "dpkg-deb cannot unpack the package")
    endif()
    foreach(program strobix strobix-devsim)
        file(STRINGS "${root}/usr/bin/${program}" texts)
        foreach(path "${SOURCE_DIR}" "${BUILD_DIR}")
            string(FIND "${texts}" "${path}" at)
            if(NOT at EQUAL -1)
                message(FATAL_ERROR "/usr/bin/${program} contains the build path ${path}")
            endif()
        endforeach()
    endforeach()
endif()
