# Native build: the logic under AddressSanitizer and UndefinedBehaviorSanitizer, and its tests.
set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_compile_options(duskfall_logic PRIVATE ${sanitizers})
target_link_options(duskfall_logic PUBLIC ${sanitizers})
include(${PROJECT_SOURCE_DIR}/tests/unit/unit.cmake)
