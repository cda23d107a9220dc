# Pictures of the program's windows for the README and for scripts/run without a display: a
# Windows program that starts Duskfall.exe beside it under Wine (scripts/screenshots).
set(duskfall_screenshot_sources ${CMAKE_SOURCE_DIR}/tools/screenshot/screenshot.cpp)
add_executable(duskfall_screenshot ${duskfall_screenshot_sources})
target_compile_options(duskfall_screenshot PRIVATE ${duskfall_warnings})
target_compile_definitions(duskfall_screenshot PRIVATE ${duskfall_windows_definitions})
target_link_libraries(duskfall_screenshot PRIVATE duskfall_win32 user32 gdi32)
target_link_options(duskfall_screenshot PRIVATE -municode -static)
add_dependencies(duskfall_screenshot Duskfall)
