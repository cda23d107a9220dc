# Read by cpack once for each kind of package it makes: the installer's name says what it is,
# next to the ZIP of the same build.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_DUSKFALL_PACKAGE_NAME}-setup")
else()
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_DUSKFALL_PACKAGE_NAME}")
endif()
