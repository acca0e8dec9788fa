# The transcript goes nowhere: standard output on a full disk, or closed.
# The run ends at the first line it cannot write, with one line on standard
# error and status 1, rather than playing the whole script unseen. A script
# read from a standard input that is a directory is said to be unreadable.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/echo.script "wait 3500\necho still here\n")
unset(ENV{DISPLAY})

function(expect name status want)
  string(REGEX MATCHALL "\n" newlines "${err}")
  list(LENGTH newlines lines)
  if(NOT result STREQUAL status OR NOT lines EQUAL 1 OR NOT err STREQUAL want)
    message(SEND_ERROR "${name}: expected status ${status} and the one line\n${want}got status '${result}' and\n${err}")
  endif()
endfunction()

execute_process(COMMAND ${ZORBLAND} --headless --script ${WORK}/echo.script
  OUTPUT_FILE /dev/full ERROR_VARIABLE err RESULT_VARIABLE result TIMEOUT 60)
expect("full standard output" 1
  "zorbland: cannot write the transcript to standard output: No space left on device\n")

execute_process(COMMAND sh -c "exec \"$0\" --headless --script \"$1\" >&-" ${ZORBLAND} ${WORK}/echo.script
  ERROR_VARIABLE err RESULT_VARIABLE result TIMEOUT 60)
expect("closed standard output" 1
  "zorbland: cannot write the transcript to standard output: Bad file descriptor\n")

execute_process(COMMAND sh -c "exec \"$0\" --headless --script - < \"$1\"" ${ZORBLAND} ${WORK}
  OUTPUT_QUIET ERROR_VARIABLE err RESULT_VARIABLE result TIMEOUT 60)
expect("a directory as standard input" 2 "zorbland: -:1: cannot read the script: Is a directory\n")
