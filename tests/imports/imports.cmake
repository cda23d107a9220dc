# Duskfall broken on purpose, built for the tests and never shipped. The import guard
# (cmake/check_executable.cmake) refuses it for its one import more and its header asking for a
# later Windows, and says so for both. Under Wine it loses its main window's class before making
# the window, for the case of a failed start.
add_executable(duskfall_broken WIN32 src/win32/main.cpp src/win32/lean_runtime.cpp
               tests/imports/new_import.cpp res/texts.rc)
target_include_directories(duskfall_broken PRIVATE ${CMAKE_SOURCE_DIR}/res
                           ${CMAKE_BINARY_DIR}/generated)
set_source_files_properties(res/texts.rc PROPERTIES OBJECT_DEPENDS "${duskfall_text_sources}")
target_link_libraries(duskfall_broken PRIVATE duskfall_win32)
add_dependencies(duskfall_broken duskfall_text_ids)
target_compile_definitions(duskfall_broken PRIVATE DUSKFALL_FAIL_START)
target_link_options(duskfall_broken PRIVATE ${duskfall_link_options}
                    -Wl,--subsystem,windows:6.0)
add_test(NAME imports.RefusesANewImportAndALaterWindows
         COMMAND sh -c "\"$@\"; echo \"guard exit status $?\"" sh
                 ${CMAKE_COMMAND} -DEXECUTABLE=$<TARGET_FILE:duskfall_broken>
                 -DOBJDUMP=${CMAKE_OBJDUMP} -DBUILD=${duskfall_build}
                 -P ${CMAKE_SOURCE_DIR}/cmake/check_executable.cmake)
# The messages and the guard's failure: a guard that failed for another reason, or that only
# warned, must not pass.
set_tests_properties(imports.RefusesANewImportAndALaterWindows PROPERTIES PASS_REGULAR_EXPRESSION
  "asks for Windows 6.0, not.*imports GetTickCount64 from KERNEL32.dll, which.*exit status 1")
