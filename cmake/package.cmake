# The packages of a Windows build, made by cpack in the build folder: a portable ZIP
# (Duskfall-<version>-win64.zip) and an NSIS installer (Duskfall-<version>-win64-setup.exe),
# win32 likewise. The installer's script is packaging/NSIS.template.in.
install(TARGETS Duskfall RUNTIME DESTINATION .)

# The installer has the program's bitness: the x64 one sees the 64-bit Program Files and registry
# view that the x64 program uses.
set(package_platform win${duskfall_bits})
set(CPACK_DUSKFALL_BITS ${duskfall_bits})

set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Duskfall)
set(CPACK_PACKAGE_VENDOR Qorvelix)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DUSKFALL_PACKAGE_NAME Duskfall-${PROJECT_VERSION}-${package_platform})
set(CPACK_PACKAGE_FILE_NAME ${CPACK_DUSKFALL_PACKAGE_NAME})
set(CPACK_DUSKFALL_ICON ${CMAKE_SOURCE_DIR}/res/duskfall.ico)
# Windows' own version numbering, as the program's version resource writes it.
set(CPACK_DUSKFALL_FILE_VERSION
    ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.${PROJECT_VERSION_PATCH})
# Names the installer "...-setup.exe" when cpack makes it.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/packaging/package-names.cmake)
# Where cpack finds NSIS.template.in.
set(CPACK_MODULE_PATH ${CMAKE_SOURCE_DIR}/packaging)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
# Signs what is signed (see scripts/package) and gives the staged files the commit's time.
set(CPACK_DUSKFALL_SIGN ${CMAKE_SOURCE_DIR}/packaging/sign)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/packaging/stage.cmake)
include(CPack)
