# An unknown option: one clear line on stderr and exit status 2.
execute_process(COMMAND ${ZORBLAND} --frobnicate RESULT_VARIABLE status ERROR_VARIABLE err OUTPUT_VARIABLE out)
if(NOT status EQUAL 2)
  message(FATAL_ERROR "status ${status}, expected 2")
endif()
if(NOT err MATCHES "^zorbland: unknown option '--frobnicate'[^\n]*\n$")
  message(FATAL_ERROR "unexpected stderr: ${err}")
endif()
