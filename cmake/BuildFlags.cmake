# SPDX-License-Identifier: MIT
# Debian's hardening flags (what `dpkg-buildflags` gives with hardening=+all:
# stack protector, format checks, FORTIFY_SOURCE, PIE, RELRO and BIND_NOW) and
# a reproducible build: no source or build folder path ends up in the program.
# On for optimised builds; sanitizer and fuzzing builds bring their own flags.

set(strobixPackageFlagsDefault ON)
if(STROBIX_SANITIZE OR STROBIX_BUILD_FUZZ)
    set(strobixPackageFlagsDefault OFF)
endif()
option(STROBIX_PACKAGE_FLAGS "Build with Debian's hardening flags and without build paths"
       ${strobixPackageFlagsDefault})

set(optimised "$<NOT:$<CONFIG:Debug>>")
if(STROBIX_PACKAGE_FLAGS AND WIN32)
    # Windows programs are position independent with ASLR and DEP by
    # mingw-w64's defaults; only the build paths are kept out.
    add_compile_options("$<${optimised}:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>"
                        "$<${optimised}:-ffile-prefix-map=${PROJECT_BINARY_DIR}=.>")
elseif(STROBIX_PACKAGE_FLAGS)
    add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security -Wdate-time)
    # FORTIFY_SOURCE needs optimisation; redefined so a value from the
    # environment's flags cannot clash with it.
    add_compile_options("$<${optimised}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
    # The build folder lies inside the sources here, so it is named last:
    # the last matching map wins.
    add_compile_options("$<${optimised}:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>"
                        "$<${optimised}:-ffile-prefix-map=${PROJECT_BINARY_DIR}=.>")
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    include(CheckPIESupported)
    check_pie_supported()
    add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
