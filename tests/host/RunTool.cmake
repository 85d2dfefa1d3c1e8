# Runs the tool with ARGS and checks its exit code against EXPECTED; when OUTPUT_MATCHES is given, what the
# tool printed (standard output and error together) must match that regular expression. NO_DISPLAY runs the
# tool without an X display.
if (NO_DISPLAY)
    unset (ENV{DISPLAY})
endif()

execute_process (COMMAND "${TOOL}" ${ARGS} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)

if (NOT result EQUAL EXPECTED)
    message (FATAL_ERROR "exit code ${result}, expected ${EXPECTED}\n${out}${err}")
endif()

if (DEFINED OUTPUT_MATCHES AND NOT "${out}${err}" MATCHES "${OUTPUT_MATCHES}")
    message (FATAL_ERROR "the output does not match '${OUTPUT_MATCHES}':\n${out}${err}")
endif()
