# Fuzzing build (clang with libFuzzer): the logic under AddressSanitizer and
# UndefinedBehaviorSanitizer, and one fuzz target for each reading of text or registry data that
# comes from outside the program. scripts/fuzz builds and runs them.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "The fuzz targets need clang's libFuzzer: configure with CC=clang "
                      "CXX=clang++ (the fuzz preset does)")
endif()

set(duskfall_fuzz_compile -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
set(duskfall_fuzz_link -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)
set(duskfall_tests_dir ${CMAKE_CURRENT_LIST_DIR}/../tests)
target_compile_options(duskfall_logic PRIVATE ${duskfall_fuzz_compile})

# The in-memory registry of the unit tests.
add_library(duskfall_fuzz_fakes STATIC ${duskfall_tests_dir}/fakes/fake_registry.cpp)
target_include_directories(duskfall_fuzz_fakes PUBLIC ${duskfall_tests_dir})
target_compile_options(duskfall_fuzz_fakes PRIVATE ${duskfall_warnings} ${duskfall_fuzz_compile})
target_link_libraries(duskfall_fuzz_fakes PUBLIC duskfall_logic)

set(duskfall_fuzz_targets minutes_conversion leading_number registry_values)
foreach(target IN LISTS duskfall_fuzz_targets)
  add_executable(fuzz_${target} ${duskfall_tests_dir}/fuzz/${target}_fuzzer.cpp)
  target_compile_options(fuzz_${target} PRIVATE ${duskfall_warnings} ${duskfall_fuzz_compile})
  target_link_options(fuzz_${target} PRIVATE ${duskfall_fuzz_link})
  target_link_libraries(fuzz_${target} PRIVATE duskfall_fuzz_fakes)
endforeach()
