# Fuzzing build (clang with libFuzzer): the logic under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the fuzz targets. scripts/fuzz builds and runs them.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "The fuzz targets need clang's libFuzzer: configure with CC=clang "
                      "CXX=clang++ (the fuzz preset does)")
endif()

set(duskfall_fuzz_compile -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
target_compile_options(duskfall_logic PRIVATE ${duskfall_fuzz_compile})
include(${PROJECT_SOURCE_DIR}/tests/fuzz/fuzz.cmake)
