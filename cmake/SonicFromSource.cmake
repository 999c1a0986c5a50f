# Builds the Sonic library (sonic.dll on Windows) from Sonic's own source folder,
# given by ZORNA_SONIC_SOURCE_DIR (the folder holding sonic.c and sonic.h), and
# provides it as sonic::sonic. Exports exactly the sonic* functions that sonic.h
# declares, under their plain names, through a module-definition file written
# at configure time.
set(ZORNA_SONIC_SOURCE_DIR "" CACHE PATH "Folder with Sonic's sonic.c and sonic.h")
if(NOT EXISTS "${ZORNA_SONIC_SOURCE_DIR}/sonic.c" OR NOT EXISTS "${ZORNA_SONIC_SOURCE_DIR}/sonic.h")
  message(FATAL_ERROR "ZORNA_SONIC_SOURCE_DIR must name a folder with Sonic's sonic.c and sonic.h "
                      "(scripts/build-windows.sh fetches it)")
endif()

file(READ "${ZORNA_SONIC_SOURCE_DIR}/sonic.h" _sonic_header)
string(REGEX MATCHALL "[A-Za-z_][A-Za-z_0-9 \t\\*]*[ \t\\*](sonic[A-Za-z0-9_]*)[ \t]*\\(" _sonic_decls
       "${_sonic_header}")
set(_sonic_names "")
foreach(_decl IN LISTS _sonic_decls)
  string(REGEX MATCH "(sonic[A-Za-z0-9_]*)[ \t]*\\($" _m "${_decl}")
  list(APPEND _sonic_names "${CMAKE_MATCH_1}")
endforeach()
list(REMOVE_DUPLICATES _sonic_names)
if(NOT "sonicCreateStream" IN_LIST _sonic_names)
  message(FATAL_ERROR "no sonic functions found in ${ZORNA_SONIC_SOURCE_DIR}/sonic.h")
endif()
list(JOIN _sonic_names "\n    " _sonic_exports)
set(_sonic_def "${CMAKE_BINARY_DIR}/sonic/sonic.def")
file(CONFIGURE OUTPUT "${_sonic_def}" CONTENT "LIBRARY sonic\nEXPORTS\n    ${_sonic_exports}\n")
set(ZORNA_SONIC_EXPORTS ${_sonic_names} CACHE INTERNAL "Functions exported by the built Sonic library")

add_library(sonic SHARED "${ZORNA_SONIC_SOURCE_DIR}/sonic.c" "${_sonic_def}")
target_include_directories(sonic PUBLIC "${ZORNA_SONIC_SOURCE_DIR}")
set_target_properties(sonic PROPERTIES PREFIX "" C_VISIBILITY_PRESET default)
if(MINGW)
  set_target_properties(sonic PROPERTIES IMPORT_PREFIX "lib")
endif()
add_library(sonic::sonic ALIAS sonic)
