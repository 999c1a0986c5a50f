# Runs PROGRAM twice, in two processes, and fails unless both print the same.
# EMULATOR, when given, runs the program (a cross-built one under Wine).
execute_process(COMMAND ${EMULATOR} ${PROGRAM} OUTPUT_VARIABLE first RESULT_VARIABLE rc1)
execute_process(COMMAND ${EMULATOR} ${PROGRAM} OUTPUT_VARIABLE second RESULT_VARIABLE rc2)
if(NOT rc1 EQUAL 0 OR NOT rc2 EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} failed: ${rc1} ${rc2}")
endif()
if(NOT first STREQUAL second)
  message(FATAL_ERROR "two runs differ:\n${first}${second}")
endif()
message(STATUS "both runs: ${first}")
