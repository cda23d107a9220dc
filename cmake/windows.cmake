# Windows build: the program (a static GUI executable importing system DLLs only), the
# end-to-end driver and the screenshot tool that run under Wine.
enable_language(RC)

set(duskfall_windows_definitions UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
    _WIN32_WINNT=0x0A00 WINVER=0x0A00)
target_compile_definitions(duskfall_logic PRIVATE ${duskfall_windows_definitions})
# Small and without exceptions: see src/win32/lean_runtime.cpp.
set(size_options -Os -ffunction-sections -fdata-sections -fno-exceptions -fno-rtti
    -fno-threadsafe-statics)
# The x86 build's DWARF unwind tables serve only C++ exceptions, which the program never throws:
# without them it is 14 KiB smaller. (x64 keeps its tables: Windows unwinds x64 code by them.)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  list(APPEND size_options -fno-asynchronous-unwind-tables -fno-unwind-tables)
endif()
# The same commit builds to the same bytes in any folder: no build path reaches the objects (for
# __FILE__ and the like), and the executable's PE header carries no link time.
list(APPEND size_options -ffile-prefix-map=${CMAKE_SOURCE_DIR}/=
     -ffile-prefix-map=${CMAKE_BINARY_DIR}/=)
target_compile_options(duskfall_logic PRIVATE ${size_options})

# Wine cannot switch High Contrast on: scripts/screenshots --high-contrast builds a program that
# takes it as on, for pictures of how it looks.
option(DUSKFALL_PRETEND_HIGH_CONTRAST "Take High Contrast as on (pictures under Wine only)" OFF)

add_library(duskfall_win32 STATIC
  src/win32/about_window_win32.cpp
  src/win32/controls_win32.cpp
  src/win32/dpi.cpp
  src/win32/form1_window.cpp
  src/win32/services_win32.cpp
  src/win32/text_resources.cpp
  src/win32/shield_bitmap.cpp)
target_include_directories(duskfall_win32 PUBLIC src)
if(DUSKFALL_PRETEND_HIGH_CONTRAST)
  target_compile_definitions(duskfall_win32 PRIVATE DUSKFALL_PRETEND_HIGH_CONTRAST)
endif()
target_compile_definitions(duskfall_win32 PUBLIC ${duskfall_windows_definitions})
target_compile_options(duskfall_win32 PRIVATE ${duskfall_warnings} ${size_options})
target_link_libraries(duskfall_win32 PUBLIC duskfall_logic comctl32 advapi32 ole32 shell32 user32
                      gdi32 kernel32)

# The resource script and the manifest carry the version of src/app/version.h: numbers 1,0,0,2
# (major, minor, 0, revision), the same dotted in the manifest, and the text "1.00.0002".
function(zero_pad value width result)
  string(LENGTH "${value}" length)
  math(EXPR zeros "${width} - ${length}")
  if(zeros LESS 0)  # a number with more digits than the width is written in full
    set(zeros 0)
  endif()
  string(REPEAT "0" ${zeros} padding)
  set(${result} "${padding}${value}" PARENT_SCOPE)
endfunction()
zero_pad(${version_MINOR} 2 minor_text)
zero_pad(${version_PATCH} 4 revision_text)
set(DUSKFALL_VERSION_NUMBERS "${version_MAJOR},${version_MINOR},0,${version_PATCH}")
set(DUSKFALL_VERSION_DOTTED "${version_MAJOR}.${version_MINOR}.0.${version_PATCH}")
set(DUSKFALL_VERSION_TEXT "${version_MAJOR}.${minor_text}.${revision_text}")
set(DUSKFALL_ICON "${CMAKE_SOURCE_DIR}/res/duskfall.ico")
set(DUSKFALL_MANIFEST "${CMAKE_BINARY_DIR}/res/duskfall.manifest")
configure_file(res/duskfall.manifest.in ${DUSKFALL_MANIFEST} @ONLY)
configure_file(res/duskfall.rc.in ${CMAKE_BINARY_DIR}/res/duskfall.rc @ONLY)

# The texts' string tables (res/texts.rc) name each text as TextId does: the numbers come from
# src/text/texts.h.
set(duskfall_text_ids ${CMAKE_BINARY_DIR}/generated/text/text_ids.rh)
add_custom_command(OUTPUT ${duskfall_text_ids}
  COMMAND ${CMAKE_COMMAND} -DIDS=${CMAKE_SOURCE_DIR}/src/text/texts.h -DOUT=${duskfall_text_ids}
          -P ${CMAKE_SOURCE_DIR}/cmake/texts.cmake
  DEPENDS ${CMAKE_SOURCE_DIR}/src/text/texts.h ${CMAKE_SOURCE_DIR}/cmake/texts.cmake VERBATIM)
file(GLOB duskfall_languages CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/lang/*.rc)
set(duskfall_text_sources ${duskfall_text_ids} ${CMAKE_SOURCE_DIR}/res/texts.rc
    ${duskfall_languages})
add_custom_target(duskfall_text_ids DEPENDS ${duskfall_text_ids})

add_executable(Duskfall WIN32 src/win32/main.cpp src/win32/lean_runtime.cpp
               ${CMAKE_BINARY_DIR}/res/duskfall.rc)
target_include_directories(Duskfall PRIVATE ${CMAKE_SOURCE_DIR}/res ${CMAKE_BINARY_DIR}/generated)
target_compile_options(Duskfall PRIVATE ${duskfall_warnings} ${size_options})
target_link_libraries(Duskfall PRIVATE duskfall_win32)
# The texts' numbers are made once, by their own target: two targets each running the command
# would write the same file at once in a parallel build.
add_dependencies(Duskfall duskfall_text_ids)
# Each build's name, its bitness (which the packages' names and installers take) and the oldest
# Windows it runs on, named in the header (see the README's "Runs on"): XP (5.1) for x86, and for
# x64 the first x64 Windows, XP Professional x64 Edition (5.2).
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(duskfall_build x64)
  set(duskfall_bits 64)
  set(windows_minor 2)
else()
  set(duskfall_build x86)
  set(duskfall_bits 32)
  set(windows_minor 1)
endif()
# No time stamp in the header: two builds of one commit give the same bytes.
set(duskfall_link_options -municode -static -Wl,--gc-sections -Wl,--no-insert-timestamp -s)
target_link_options(Duskfall PRIVATE ${duskfall_link_options}
                    -Wl,--subsystem,windows:5.${windows_minor} -Wl,--major-os-version,5
                    -Wl,--minor-os-version,${windows_minor})
set_source_files_properties(${CMAKE_BINARY_DIR}/res/duskfall.rc PROPERTIES
  OBJECT_DEPENDS "${DUSKFALL_ICON};${DUSKFALL_MANIFEST};${duskfall_text_sources}")

# The program imports only the functions on the lists in cmake/imports/, asks for the Windows
# version written there and stays under 160 KiB, with every language it speaks.
add_custom_command(TARGET Duskfall POST_BUILD
  COMMAND ${CMAKE_COMMAND} -DEXECUTABLE=$<TARGET_FILE:Duskfall> -DOBJDUMP=${CMAKE_OBJDUMP}
          -DBUILD=${duskfall_build} -P ${CMAKE_SOURCE_DIR}/cmake/check_executable.cmake
  VERBATIM)
include(tests/imports/imports.cmake)

include(tests/e2e/e2e.cmake)
if(duskfall_bits EQUAL 64)
  include(tests/release/release.cmake)
endif()
include(tools/screenshot/screenshot.cmake)
include(cmake/package.cmake)
