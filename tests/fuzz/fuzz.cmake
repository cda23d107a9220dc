# One fuzz target for each reading of text or registry data that comes from outside the program.
foreach(target IN ITEMS elevated_arguments elevated_round_trip logon_minutes minutes_conversion
                       registry_values tray_callback)
  add_executable(fuzz_${target} tests/fuzz/${target}_fuzzer.cpp)
  target_include_directories(fuzz_${target} PRIVATE tests)
  target_compile_options(fuzz_${target} PRIVATE ${duskfall_warnings} ${duskfall_fuzz_compile})
  target_link_options(fuzz_${target} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(fuzz_${target} PRIVATE duskfall_logic)
endforeach()
