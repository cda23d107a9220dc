# The import guard (cmake/check_executable.cmake) refuses Duskfall linked with one import more and
# asking for a later Windows in its header.
add_executable(duskfall_new_import WIN32 src/win32/main.cpp src/win32/lean_runtime.cpp
               tests/imports/new_import.cpp)
target_compile_options(duskfall_new_import PRIVATE ${duskfall_warnings} ${size_options})
target_link_libraries(duskfall_new_import PRIVATE duskfall_win32)
target_link_options(duskfall_new_import PRIVATE ${duskfall_link_options}
                    -Wl,--subsystem,windows:6.0)
set(guard ${CMAKE_COMMAND} -DEXECUTABLE=$<TARGET_FILE:duskfall_new_import>
    -DOBJDUMP=${CMAKE_OBJDUMP} -DBUILD=${duskfall_build}
    -P ${CMAKE_SOURCE_DIR}/cmake/check_executable.cmake)
add_test(NAME imports.NewImport COMMAND ${guard})
add_test(NAME imports.NewWindowsVersion COMMAND ${guard})
set_tests_properties(imports.NewImport PROPERTIES
                     PASS_REGULAR_EXPRESSION "imports GetTickCount64 from KERNEL32.dll, which")
set_tests_properties(imports.NewWindowsVersion PROPERTIES
                     PASS_REGULAR_EXPRESSION "header asks for Windows 6.0, not")
