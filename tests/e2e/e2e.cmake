# The end-to-end driver: a Windows program of the build's own bitness, so that it sees the
# registry view the program sees, which starts Duskfall.exe under Wine and uses it as a person
# would. Each group runs through tests/e2e/wine-run in a fresh copy of a template prefix that
# this build folder alone uses.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
add_executable(duskfall_e2e tests/contract/registry_backend_win32.cpp
  tests/contract/registry_contract_test.cpp tests/e2e/duskfall_test.cpp)
target_include_directories(duskfall_e2e PRIVATE tests)
target_compile_options(duskfall_e2e PRIVATE ${duskfall_warnings})
target_link_libraries(duskfall_e2e PRIVATE duskfall_win32 GTest::gtest version)
target_link_options(duskfall_e2e PRIVATE -static)
add_dependencies(duskfall_e2e Duskfall duskfall_broken)

# x86 programs run in the same 64-bit prefix, through WoW64, with Wine's 32-bit loader.
set(loader /usr/lib/wine/wine$<$<EQUAL:${CMAKE_SIZEOF_VOID_P},8>:64>)
set(prefixes ${CMAKE_BINARY_DIR}/e2e-wine)
set(run ${CMAKE_SOURCE_DIR}/tests/e2e/wine-run)
set(driver $<TARGET_FILE:duskfall_e2e>)
add_test(NAME e2e.prefix COMMAND ${run} --template ${prefixes})
add_test(NAME e2e.prefix-cleanup COMMAND ${run} --remove ${prefixes})
# One pattern per entry: the driver fails when its filter selects no case, which a pattern that
# matches next to another could hide. The Duskfall cases run where a comma separates decimals,
# which the program can only know from the user's locale: Wine follows the Unix locale.
add_test(NAME e2e.Duskfall
         COMMAND env LC_ALL=de_DE.UTF-8 ${run} ${loader} ${driver} --gtest_filter=Duskfall.*)
add_test(NAME e2e.Languages COMMAND ${run} --languages ${loader} ${driver})
add_test(NAME e2e.RegistryContract
         COMMAND ${run} ${loader} ${driver} --gtest_filter=RegistryContract.*)
add_test(NAME e2e.PowerOff COMMAND ${run} --poweroff ${loader} ${driver})
add_test(NAME e2e.Install COMMAND ${run} --install ${loader} ${driver} ${CMAKE_CPACK_COMMAND})
add_test(NAME e2e.InstallMsi COMMAND ${run} --msi ${loader} ${driver})
set(groups e2e.Duskfall e2e.Languages e2e.RegistryContract e2e.PowerOff e2e.Install e2e.InstallMsi)
set_tests_properties(e2e.prefix PROPERTIES FIXTURES_SETUP wine_prefix)
set_tests_properties(e2e.prefix-cleanup PROPERTIES FIXTURES_CLEANUP wine_prefix)
set_tests_properties(${groups} PROPERTIES FIXTURES_REQUIRED wine_prefix)
# wine-run gives each Wine program it starts 5 minutes, then ends the prefix itself: CTest's own
# limit, which would leave the prefix's programs and server running, is never reached.
set_tests_properties(e2e.prefix e2e.prefix-cleanup ${groups} PROPERTIES RESOURCE_LOCK wine
                     TIMEOUT 1800)
