# The unit tests and the registry contract on the in-memory registry, with the logic's sanitizers.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# The string tables of res/lang/ as rows (tests/unit/language_tables.h).
set(text_tables ${CMAKE_BINARY_DIR}/generated/text_tables.cpp)
file(GLOB languages CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/lang/*.rc)
add_custom_command(OUTPUT ${text_tables}
  COMMAND ${CMAKE_COMMAND} -DTEXTS=${CMAKE_SOURCE_DIR}/res/texts.rc -DOUT=${text_tables}
          -P ${CMAKE_SOURCE_DIR}/cmake/texts.cmake
  DEPENDS ${CMAKE_SOURCE_DIR}/res/texts.rc ${languages} ${CMAKE_SOURCE_DIR}/cmake/texts.cmake
  VERBATIM)
add_executable(duskfall_unit_tests tests/contract/registry_backend_fake.cpp
  tests/contract/registry_contract_test.cpp tests/unit/elevated_logon_test.cpp
  tests/unit/logic_test.cpp tests/unit/texts_test.cpp tests/unit/warning_test.cpp ${text_tables})
target_include_directories(duskfall_unit_tests PRIVATE tests)
target_compile_options(duskfall_unit_tests PRIVATE ${duskfall_warnings} ${sanitizers})
target_link_libraries(duskfall_unit_tests PRIVATE duskfall_logic GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(duskfall_unit_tests TEST_PREFIX "unit." DISCOVERY_MODE PRE_TEST)
