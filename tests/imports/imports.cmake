# The import guard (cmake/check_executable.cmake) refuses Duskfall linked with one import more and
# a header asking for a later Windows, and says so for both.
add_executable(duskfall_new_import WIN32 src/win32/main.cpp src/win32/lean_runtime.cpp
               tests/imports/new_import.cpp)
target_link_libraries(duskfall_new_import PRIVATE duskfall_win32)
target_link_options(duskfall_new_import PRIVATE ${duskfall_link_options}
                    -Wl,--subsystem,windows:6.0)
add_test(NAME imports.RefusesANewImportAndALaterWindows
         COMMAND ${CMAKE_COMMAND} -DEXECUTABLE=$<TARGET_FILE:duskfall_new_import>
                 -DOBJDUMP=${CMAKE_OBJDUMP} -DBUILD=${duskfall_build}
                 -P ${CMAKE_SOURCE_DIR}/cmake/check_executable.cmake)
# The messages, not the exit code: a guard that failed for another reason must not pass.
set_tests_properties(imports.RefusesANewImportAndALaterWindows PROPERTIES PASS_REGULAR_EXPRESSION
                     "asks for Windows 6.0, not.*imports GetTickCount64 from KERNEL32.dll, which")
