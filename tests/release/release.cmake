# The release check as a CTest entry of its own preset, release, which scripts/test runs after
# the others: it packs both builds, here and in a second folder, so the win64 preset leaves it
# out.
add_test(NAME release.check COMMAND ${CMAKE_SOURCE_DIR}/tests/release/check)
set_tests_properties(release.check PROPERTIES LABELS release TIMEOUT 1800)
