# Runs the tool with ARGS and checks its exit code against EXPECTED.
execute_process (COMMAND "${TOOL}" ${ARGS} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)

if (NOT result EQUAL EXPECTED)
    message (FATAL_ERROR "exit code ${result}, expected ${EXPECTED}\n${out}${err}")
endif()
