# SPDX-License-Identifier: MIT
# Translations of the program's texts, built with lupdate and lrelease from
# Debian's qt6-l10n-tools. Those are all the build needs, so the translation
# helpers of qt6-tools-dev (with Qt Designer and friends) are not required.
#
#   translations/strobix.ts      template: every text of the program, untranslated
#   translations/strobix_<l>.ts  one language each; compiled to .qm and embedded
#                                in the program as :/i18n/strobix_<l>.qm
#
# `cmake --build --preset default --target update_translations` refreshes all
# of them from the sources; translate the new entries with Qt Linguist or any
# editor, then rebuild.

set(_strobix_qt_bins "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" /usr/lib/qt6/bin)
find_program(STROBIX_LUPDATE lupdate HINTS ${_strobix_qt_bins} NO_DEFAULT_PATH)
find_program(STROBIX_LUPDATE lupdate)
find_program(STROBIX_LRELEASE lrelease HINTS ${_strobix_qt_bins} NO_DEFAULT_PATH)
find_program(STROBIX_LRELEASE lrelease REQUIRED)

set(STROBIX_TS_DIR ${PROJECT_SOURCE_DIR}/translations)
set(STROBIX_TS_TEMPLATE ${STROBIX_TS_DIR}/strobix.ts)
file(GLOB STROBIX_TS_LANGUAGES CONFIGURE_DEPENDS ${STROBIX_TS_DIR}/strobix_*.ts)
# The folders lupdate reads texts from; tools/ (the virtual device) speaks
# only to developers and stays English.
set(STROBIX_TS_SOURCE_DIRS ${PROJECT_SOURCE_DIR}/src)
# No source locations: the catalogues then change only when a text does.
set(STROBIX_LUPDATE_OPTIONS -locations none -no-obsolete -silent)

# strobix_embed_translations(target): compiles every language's .ts and
# embeds the results in target under :/i18n.
function(strobix_embed_translations target)
    set(qm_dir ${CMAKE_CURRENT_BINARY_DIR}/i18n)
    set(qm_files)
    foreach(ts ${STROBIX_TS_LANGUAGES})
        get_filename_component(name ${ts} NAME_WE)
        set(qm ${qm_dir}/${name}.qm)
        add_custom_command(OUTPUT ${qm}
                           COMMAND ${CMAKE_COMMAND} -E make_directory ${qm_dir}
                           COMMAND ${STROBIX_LRELEASE} -silent -nounfinished ${ts} -qm ${qm}
                           DEPENDS ${ts}
                           COMMENT "Compiling translation ${name}"
                           VERBATIM)
        list(APPEND qm_files ${qm})
    endforeach()
    set_source_files_properties(${qm_files} PROPERTIES GENERATED TRUE)
    qt_add_resources(${target} strobix_translations PREFIX /i18n BASE ${qm_dir}
                     FILES ${qm_files})
endfunction()

if(STROBIX_LUPDATE)
    add_custom_target(update_translations
                      COMMAND ${STROBIX_LUPDATE} ${STROBIX_LUPDATE_OPTIONS} ${STROBIX_TS_SOURCE_DIRS}
                              -ts ${STROBIX_TS_TEMPLATE} ${STROBIX_TS_LANGUAGES}
                      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                      COMMENT "Updating the translation catalogues from the sources"
                      VERBATIM)
endif()
