# The unit tests and the registry contract on the in-memory registry, with the logic's sanitizers.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
add_executable(duskfall_unit_tests tests/contract/registry_backend_fake.cpp
  tests/contract/registry_contract_test.cpp tests/unit/elevated_logon_test.cpp
  tests/unit/logic_test.cpp tests/unit/warning_test.cpp)
target_include_directories(duskfall_unit_tests PRIVATE tests)
target_compile_options(duskfall_unit_tests PRIVATE ${duskfall_warnings} ${sanitizers})
target_link_libraries(duskfall_unit_tests PRIVATE duskfall_logic GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(duskfall_unit_tests TEST_PREFIX "unit." DISCOVERY_MODE PRE_TEST)
