# The end-to-end driver: a Windows program that starts Duskfall.exe under Wine and uses it as
# a person would. CTest runs each group through tests/e2e/wine-run in a fresh Wine prefix.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_executable(duskfall_e2e
  tests/contract/registry_backend_win32.cpp
  tests/contract/registry_contract_test.cpp
  tests/e2e/about_logon_test.cpp
  tests/e2e/driver.cpp
  tests/e2e/install_test.cpp
  tests/e2e/main.cpp
  tests/e2e/main_window_test.cpp
  tests/e2e/png_writer.cpp
  tests/e2e/tray_test.cpp
  tests/e2e/validation_test.cpp)
target_include_directories(duskfall_e2e PRIVATE tests)
target_compile_options(duskfall_e2e PRIVATE ${duskfall_warnings})
target_link_libraries(duskfall_e2e PRIVATE duskfall_win32 GTest::gtest)
target_compile_definitions(duskfall_e2e PRIVATE ${duskfall_windows_definitions})
target_link_options(duskfall_e2e PRIVATE -static)
set_target_properties(duskfall_e2e PROPERTIES
  CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/tests/e2e/wine-run)
add_dependencies(duskfall_e2e Duskfall)

set(wine_template ${CMAKE_BINARY_DIR}/wine/template)
add_test(NAME e2e.prefix COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/make-prefix ${wine_template})
add_test(NAME e2e.prefix-cleanup COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/wine)
set_tests_properties(e2e.prefix PROPERTIES FIXTURES_SETUP wine_prefix RESOURCE_LOCK wine)
set_tests_properties(e2e.prefix-cleanup PROPERTIES FIXTURES_CLEANUP wine_prefix
                     RESOURCE_LOCK wine)

set(e2e_groups IdleWindow ModeSelection StartRefusals StartAndCancel Leaving Keyboard
    MinutesValidation Countdown TrayIcon Resume StoredMinutes ReadOnlySettings RegistryContract
    About LogonSetting LogonWithoutWriteRights)
foreach(group IN LISTS e2e_groups)
  add_test(NAME e2e.${group} COMMAND duskfall_e2e --gtest_filter=${group}.*)
  set_tests_properties(e2e.${group} PROPERTIES
    FIXTURES_REQUIRED wine_prefix
    RESOURCE_LOCK wine
    TIMEOUT 600
    ENVIRONMENT "DUSKFALL_SCREENSHOTS=Z:${CMAKE_SOURCE_DIR}/build/screenshots")
endforeach()

add_test(NAME e2e.PowerOff
         COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/poweroff-test $<TARGET_FILE:duskfall_e2e>)
set_tests_properties(e2e.PowerOff PROPERTIES
  FIXTURES_REQUIRED wine_prefix RESOURCE_LOCK wine TIMEOUT 600)

# Used by scripts/run to show the window where there is no display.
add_executable(duskfall_screenshot tests/e2e/driver.cpp tests/e2e/png_writer.cpp
               tests/e2e/screenshot_main.cpp)
target_include_directories(duskfall_screenshot PRIVATE tests)
target_compile_options(duskfall_screenshot PRIVATE ${duskfall_warnings})
target_compile_definitions(duskfall_screenshot PRIVATE ${duskfall_windows_definitions})
target_link_libraries(duskfall_screenshot PRIVATE comctl32 shell32 advapi32 user32 gdi32)
target_link_options(duskfall_screenshot PRIVATE -static)
add_dependencies(duskfall_screenshot Duskfall)

# The x64 installer, installed, used and uninstalled in a Wine prefix of its own. The script
# makes the package from this build with cpack first, so the test always installs what was
# just built.
add_test(NAME e2e.Install
         COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/install-test $<TARGET_FILE:duskfall_e2e>
                 ${CMAKE_CPACK_COMMAND})
set_tests_properties(e2e.Install PROPERTIES
  FIXTURES_REQUIRED wine_prefix RESOURCE_LOCK wine TIMEOUT 600)
