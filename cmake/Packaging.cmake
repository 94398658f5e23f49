# SPDX-License-Identifier: MIT
# What `cmake --install` puts beside the executable, and the Debian package
# CPack builds from it (`cpack -G DEB` in the build folder).

set(packaging ${PROJECT_SOURCE_DIR}/packaging)
install(FILES ${packaging}/strobix.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/strobix.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${packaging}/org.strobix.Strobix.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging}/strobix-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME strobix.xml)
# The program looks for its manual at ../share/strobix/manual from its bin
# folder; not under share/doc, which Debian systems may strip.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/manual DESTINATION ${CMAKE_INSTALL_DATADIR}/strobix)
# The gallery's example sequences, which the Open and Merge dialogs offer.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/strobix/examples
        FILES_MATCHING PATTERN "*.dat")
install(FILES ${packaging}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Manual pages and the changelog go in compressed, the way Debian wants them:
# gzip -9 without name or time stamp, so the same sources give the same bytes.
find_program(GZIP_PROGRAM gzip)
function(strobix_install_gzipped source destination name)
    if(NOT GZIP_PROGRAM)
        install(FILES ${source} DESTINATION ${destination} RENAME ${name})
        return()
    endif()
    set(gzipped ${PROJECT_BINARY_DIR}/packaging/${name}.gz)
    add_custom_command(OUTPUT ${gzipped}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/packaging
                       COMMAND ${GZIP_PROGRAM} -9nc ${source} > ${gzipped}
                       DEPENDS ${source} VERBATIM)
    string(MAKE_C_IDENTIFIER "gzip_${name}" target)
    add_custom_target(${target} ALL DEPENDS ${gzipped})
    install(FILES ${gzipped} DESTINATION ${destination})
endfunction()
strobix_install_gzipped(${packaging}/strobix.1 ${CMAKE_INSTALL_MANDIR}/man1 strobix.1)
strobix_install_gzipped(${packaging}/strobix-devsim.1 ${CMAKE_INSTALL_MANDIR}/man1
                        strobix-devsim.1)
strobix_install_gzipped(${packaging}/changelog ${CMAKE_INSTALL_DOCDIR} changelog)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME strobix)
set(CPACK_PACKAGE_VENDOR "The Strobix developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "editor and programmer for the STROBIX LED sequencer/flasher")
set(CPACK_PACKAGE_DESCRIPTION
    "Draw a sequence of up to 50 events for four LEDs, preview it on screen with a\n\
simulated R/C servo stick, keep it in .dat files and download it to the\n\
STROBIX sequencer/flasher over an RS-232 line (2400 baud, 8N1).\n\
.\n\
Also contains strobix-devsim, a virtual device on a pseudo-terminal for\n\
trying and checking downloads without the hardware.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://strobix.example.org/)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Strobix developers <strobix@example.org>")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# dpkg-shlibdeps names each library the program links (the Qt ones, giflib
# and the C and C++ runtimes) with the version the build needs; named here are only the
# SVG plugins that draw the icon, which are loaded, not linked. Debian 12's X11
# platform plugin is part of libqt6gui6.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6 (>= 6.4)")
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    string(PREPEND CPACK_DEBIAN_PACKAGE_DEPENDS
           "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), "
           "libqt6serialport6 (>= 6.4), libgif7 (>= 5.2), ")
endif()
# xdg-open shows the users' manual; the Wayland plugin lets the window open
# natively on a Wayland desktop; Qt's own translations put the buttons and
# file dialogs in the user's language, as the program's own embedded ones do.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-wayland, qt6-translations-l10n")
include(CPack)
