# Run by cpack on the files it has staged, before it packs them (CPACK_PRE_BUILD_SCRIPTS): the
# program is signed when scripts/package was given a certificate, and every file takes the
# commit's time, which NSIS stores for each file it installs.
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(path IN LISTS staged)
  if(path MATCHES "\\.exe$")
    execute_process(COMMAND "${CPACK_DUSKFALL_SIGN}" "${path}" COMMAND_ERROR_IS_FATAL ANY)
  endif()
  if(DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND touch -d "@$ENV{SOURCE_DATE_EPOCH}" "${path}"
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
