# A scene names a picture that is not on disk: the shot stops the run with
# one line that names the picture and its file, and a non-zero status. The
# assets directory is a fixture that holds the picture folders but none of
# the title's pictures.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/assets/1x ${WORK}/assets/2x)
file(WRITE ${WORK}/title.script "shot ${WORK}/title.png\n")
set(ENV{ZORBLAND_ASSETS} ${WORK}/assets)
unset(ENV{DISPLAY})
execute_process(COMMAND ${ZORBLAND} --headless --script ${WORK}/title.script
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(status EQUAL 0)
  message(FATAL_ERROR "a missing picture passed as success:\n${out}${err}")
endif()
string(REGEX MATCHALL "\n" newlines "${err}")
list(LENGTH newlines lines)
if(NOT lines EQUAL 1 OR NOT err MATCHES "picture '(icon|title)' is missing \\(${WORK}/assets/1x/(icon|title)\\.png\\)")
  message(FATAL_ERROR "expected one line naming the title's picture and its file, got:\n${err}")
endif()
if(EXISTS ${WORK}/title.png)
  message(FATAL_ERROR "a shot was written although a picture was missing")
endif()
