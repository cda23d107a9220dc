# Native build: the logic and its unit tests, under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_compile_options(duskfall_logic PRIVATE ${sanitizers})
target_link_options(duskfall_logic PUBLIC ${sanitizers})

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_executable(duskfall_unit_tests
  tests/contract/registry_backend_fake.cpp
  tests/contract/registry_contract_test.cpp
  tests/fakes/fake_controls.cpp
  tests/fakes/fake_registry.cpp
  tests/fakes/fake_services.cpp
  tests/unit/about_window_test.cpp
  tests/unit/countdown_tick_test.cpp
  tests/unit/date_time_test.cpp
  tests/unit/decimal_text_test.cpp
  tests/unit/form_design_test.cpp
  tests/unit/logon_setting_test.cpp
  tests/unit/minutes_conversion_test.cpp
  tests/unit/minutes_validation_test.cpp
  tests/unit/mode_and_start_test.cpp
  tests/unit/power_off_test.cpp
  tests/unit/registry_routines_test.cpp
  tests/unit/startup_test.cpp
  tests/unit/tray_test.cpp
  tests/unit/unique_any_test.cpp)

target_include_directories(duskfall_unit_tests PRIVATE tests)
target_compile_options(duskfall_unit_tests PRIVATE ${duskfall_warnings} ${sanitizers})
target_link_libraries(duskfall_unit_tests PRIVATE duskfall_logic GTest::gtest_main)

include(GoogleTest)
gtest_discover_tests(duskfall_unit_tests TEST_PREFIX "unit." DISCOVERY_MODE PRE_TEST)
