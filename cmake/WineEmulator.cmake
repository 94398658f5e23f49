# SPDX-License-Identifier: MIT
# Programs of a Windows build made here run under Wine (tests through CTest,
# anything by hand through scripts/windows/wine-run.sh), finding the Qt and
# MinGW runtime DLLs where they were built or installed.
get_target_property(strobixQtCore Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(strobixQtBin "${strobixQtCore}" DIRECTORY)
set(strobixDllFolders "${strobixQtBin}")
foreach(dll libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE strobixDll OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(strobixDllFolder "${strobixDll}" DIRECTORY)
  list(APPEND strobixDllFolders "${strobixDllFolder}")
endforeach()
list(JOIN strobixDllFolders ":" strobixDllPath)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/windows/wine-run.sh
    --dll-path ${strobixDllPath})
