# Runs zorbland the way a person could meet an error and checks that it ends
# with exactly one line on standard error matching EXPECT and with STATUS.
#   -DZORBLAND=... -DARGS="a;b" -DSETENV="VAR=VALUE;..." -DUNSET="VAR;..."
#   -DEXPECT=regex -DSTATUS=n
foreach(var IN LISTS UNSET)
  unset(ENV{${var}})
endforeach()
foreach(pair IN LISTS SETENV)
  string(FIND "${pair}" "=" eq)
  string(SUBSTRING "${pair}" 0 ${eq} name)
  math(EXPR from "${eq} + 1")
  string(SUBSTRING "${pair}" ${from} -1 value)
  set(ENV{${name}} "${value}")
endforeach()
execute_process(COMMAND ${ZORBLAND} ${ARGS}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
if(NOT status EQUAL STATUS)
  message(FATAL_ERROR "expected status ${STATUS}, got '${status}'\nstdout:\n${out}\nstderr:\n${err}")
endif()
string(REGEX MATCHALL "\n" newlines "${err}")
list(LENGTH newlines lines)
if(NOT lines EQUAL 1 OR NOT err MATCHES "${EXPECT}")
  message(FATAL_ERROR "expected one line matching '${EXPECT}', got:\n${err}")
endif()
