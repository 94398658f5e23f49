# SPDX-License-Identifier: MIT
# What `cmake --install` puts beside the executable, and the Debian package
# CPack builds from it (`cpack -G DEB` in the build folder).

install(FILES ${PROJECT_SOURCE_DIR}/packaging/strobix.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/strobix.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The program looks for its manual at ../share/doc/strobix/manual from its bin folder.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/manual
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/strobix)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME strobix)
set(CPACK_PACKAGE_VENDOR "Strobix")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "editor and programmer for the STROBIX programmable LED sequencer/flasher")
set(CPACK_PACKAGE_DESCRIPTION
    "Draw a sequence of up to 50 events for four LEDs, preview it on screen with a\n\
simulated R/C servo stick, keep it in .dat files and download it to the\n\
STROBIX sequencer/flasher over an RS-232 line (2400 baud, 8N1).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Strobix developers")
# The Qt libraries the program links, the platform plugins it needs to open a
# window, and the SVG plugin that draws its icon.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), \
libqt6serialport6 (>= 6.4), libqt6svg6 (>= 6.4), qt6-qpa-plugins (>= 6.4)")
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
    # Adds the C and C++ runtime versions the build really needs.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
include(CPack)
