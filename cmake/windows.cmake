# Windows build: the program (a static GUI executable importing system DLLs only) and, for
# x64, the end-to-end driver that runs under Wine.
enable_language(RC)

set(duskfall_windows_definitions UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
    _WIN32_WINNT=0x0A00 WINVER=0x0A00)
target_compile_definitions(duskfall_logic PRIVATE ${duskfall_windows_definitions})
# Small and without exceptions: see src/win32/lean_runtime.cpp.
set(size_options -Os -ffunction-sections -fdata-sections -fno-exceptions -fno-rtti
    -fno-threadsafe-statics)
target_compile_options(duskfall_logic PRIVATE ${size_options})

add_library(duskfall_win32 STATIC
  src/win32/about_window_win32.cpp
  src/win32/controls_win32.cpp
  src/win32/dpi.cpp
  src/win32/form1_window.cpp
  src/win32/services_win32.cpp)
target_include_directories(duskfall_win32 PUBLIC src)
target_compile_definitions(duskfall_win32 PUBLIC ${duskfall_windows_definitions})
target_compile_options(duskfall_win32 PRIVATE ${duskfall_warnings} ${size_options})
target_link_libraries(duskfall_win32 PUBLIC duskfall_logic comctl32 advapi32 shell32 user32
                      gdi32 kernel32)

add_executable(Duskfall WIN32 src/win32/main.cpp src/win32/lean_runtime.cpp res/duskfall.rc)
target_compile_options(Duskfall PRIVATE ${duskfall_warnings} ${size_options})
target_link_libraries(Duskfall PRIVATE duskfall_win32)
target_link_options(Duskfall PRIVATE -municode -static -Wl,--gc-sections -s)
set_source_files_properties(res/duskfall.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/res/duskfall.ico;${CMAKE_SOURCE_DIR}/res/duskfall.manifest")
target_include_directories(Duskfall PRIVATE res)

# The imports of the program: system DLLs only.
add_custom_command(TARGET Duskfall POST_BUILD
  COMMAND ${CMAKE_COMMAND} -DEXECUTABLE=$<TARGET_FILE:Duskfall> -DOBJDUMP=${CMAKE_OBJDUMP}
          -P ${CMAKE_SOURCE_DIR}/cmake/check_imports.cmake
  VERBATIM)

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  include(tests/e2e/e2e.cmake)
endif()
include(cmake/package.cmake)
