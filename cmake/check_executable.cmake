# Keeps the oldest Windows that Duskfall runs on what the README says it is. Fails the build
# when the executable
# - imports a function that is not on its DLL's list in cmake/imports/ (both builds) or
#   cmake/imports/BUILD/ (one build only), or from a DLL that has no list at all;
# - no longer imports a listed function (the lists say what the program uses, no more);
# - asks for another Windows version in its header than cmake/imports/BUILD/subsystem-version.txt;
# - has grown to 160 KiB or more.
# Run as: cmake -DEXECUTABLE=... -DOBJDUMP=... -DBUILD=x64|x86 -P check_executable.cmake
cmake_minimum_required(VERSION 3.25)
set(lists ${CMAKE_CURRENT_LIST_DIR}/imports)
set(problems "")

file(SIZE ${EXECUTABLE} size)
if(size GREATER_EQUAL 163840)
  list(APPEND problems "it has ${size} bytes: it must stay under 160 KiB")
endif()
execute_process(COMMAND ${OBJDUMP} -p ${EXECUTABLE} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "objdump could not read ${EXECUTABLE}")
endif()

# The names on a list: the first word of each line that is not a comment.
function(read_list file result)
  set(names "")
  if(EXISTS ${file})
    file(STRINGS ${file} lines REGEX "^[^#]")
    foreach(line IN LISTS lines)
      string(REGEX MATCH "^[^ ]+" name "${line}")
      list(APPEND names ${name})
    endforeach()
  endif()
  set(${result} ${names} PARENT_SCOPE)
endfunction()

file(STRINGS ${lists}/${BUILD}/subsystem-version.txt expected_version REGEX "^[0-9]")
string(REGEX MATCH "MajorSubsystemVersion\t([0-9]+)" _ "${dump}")
set(major ${CMAKE_MATCH_1})
string(REGEX MATCH "MinorSubsystemVersion\t([0-9]+)" _ "${dump}")
if(NOT "${major}.${CMAKE_MATCH_1}" STREQUAL "${expected_version}")
  list(APPEND problems "its header asks for Windows ${major}.${CMAKE_MATCH_1}, not for \
${expected_version} as ${BUILD}/subsystem-version.txt says")
endif()

# objdump lists each DLL's imports under its name, one "<address> <hint> <name>" line each.
set(imported_dlls "")
string(REGEX MATCHALL "DLL Name: [^\n]+\n[^\n]+(\n\t[0-9a-f]+\t +[0-9]+ +[^\n]+)*" tables "${dump}")
foreach(table IN LISTS tables)
  string(REGEX MATCH "DLL Name: ([^\n]+)" _ "${table}")
  set(dll ${CMAKE_MATCH_1})
  string(TOUPPER "${dll}" list_name)
  string(REGEX REPLACE "\\.DLL$" "" list_name "${list_name}")
  list(APPEND imported_dlls ${list_name})
  if(NOT EXISTS ${lists}/${list_name}.txt AND NOT EXISTS ${lists}/${BUILD}/${list_name}.txt)
    list(APPEND problems "it imports ${dll}, which has no list of allowed imports")
    continue()
  endif()
  read_list(${lists}/${list_name}.txt allowed)
  read_list(${lists}/${BUILD}/${list_name}.txt allowed_here)
  list(APPEND allowed ${allowed_here})
  string(REGEX MATCHALL "\n\t[0-9a-f]+\t +[0-9]+ +[^\n]+" entries "${table}")
  set(imported "")
  foreach(entry IN LISTS entries)
    string(REGEX MATCH "[^ ]+$" function "${entry}")
    if(function STREQUAL "<none>")  # by ordinal: objdump shows the number only
      string(REGEX MATCH "[0-9]+ +<none>$" function "${entry}")
      string(REGEX REPLACE " +<none>" "" function "ordinal ${function}")
    endif()
    list(APPEND imported ${function})
    if(NOT function IN_LIST allowed)
      list(APPEND problems "it imports ${function} from ${dll}, which is on neither \
imports/${list_name}.txt nor imports/${BUILD}/${list_name}.txt")
    endif()
  endforeach()
  foreach(function IN LISTS allowed)
    if(NOT function IN_LIST imported)
      list(APPEND problems "it no longer imports ${function} from ${dll}: take it off the list")
    endif()
  endforeach()
endforeach()

# A list whose DLL is not imported at all is out of date too.
file(GLOB list_files ${lists}/*.txt ${lists}/${BUILD}/*.txt)
foreach(file IN LISTS list_files)
  get_filename_component(list_name ${file} NAME_WE)
  if(NOT list_name STREQUAL "subsystem-version" AND NOT list_name IN_LIST imported_dlls)
    list(APPEND problems "it imports nothing from ${list_name}.dll: remove ${file}")
  endif()
endforeach()

if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "${EXECUTABLE}:\n  ${text}\nSee the README's \"Runs on\" before \
changing a list in cmake/imports/.")
endif()
