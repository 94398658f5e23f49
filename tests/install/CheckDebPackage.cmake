# SPDX-License-Identifier: MIT
# Builds the Debian package and checks its dependencies and contents.
# Usage: cmake -DBUILD_DIR=<build> -DOUT_DIR=<folder> -DCPACK=<cpack> -DDPKG_DEB=<dpkg-deb>
#        -P CheckDebPackage.cmake

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

execute_process(COMMAND "${DPKG_DEB}" --field ${packages} Package Depends
                OUTPUT_VARIABLE fields RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "dpkg-deb cannot read the package")
endif()
foreach(needed "Package: strobix" libqt6widgets6 libqt6gui6 libqt6core6 libqt6serialport6
               qt6-qpa-plugins)
    string(FIND "${fields}" "${needed}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "package fields lack ${needed}:\n${fields}")
    endif()
endforeach()

execute_process(COMMAND "${DPKG_DEB}" --contents ${packages} OUTPUT_VARIABLE contents)
foreach(path ./usr/bin/strobix ./usr/share/applications/strobix.desktop
             ./usr/share/icons/hicolor/scalable/apps/strobix.svg
             ./usr/share/doc/strobix/manual/index.html)
    string(FIND "${contents}" " ${path}\n" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "package lacks ${path}:\n${contents}")
    endif()
endforeach()
