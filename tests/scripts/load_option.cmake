# --load starts the game where a save left it: a run from the save goes on
# exactly as the run that made the save did after it. A save that cannot be
# loaded ends the program at once with one line on standard error.
set(save ${WORK}/load_option.save)
file(REMOVE ${save})
file(WRITE ${WORK}/load_option_first.script
  "set Form10.Text2 13\nset Form4.Text1 60\ndraw 1\nclick Form10.Command1\nwait 1000\nsave ${save}\nwait 7000\nok\n")
file(WRITE ${WORK}/load_option_then.script "wait 7000\nok\n")
execute_process(COMMAND ${ZORBLAND} --headless --script load_option_first.script --start Form10
  WORKING_DIRECTORY ${WORK} OUTPUT_VARIABLE first RESULT_VARIABLE status TIMEOUT 60)
if(NOT status EQUAL 0 OR NOT first MATCHES "\n1000 saved [^\n]*\n")
  message(FATAL_ERROR "the first run did not save (status ${status}):\n${first}")
endif()
execute_process(COMMAND ${ZORBLAND} --headless --script load_option_then.script --load ${save}
  WORKING_DIRECTORY ${WORK} OUTPUT_VARIABLE then RESULT_VARIABLE status ERROR_VARIABLE err TIMEOUT 60)
if(NOT status EQUAL 0 OR NOT then MATCHES "^1000 loaded [^\n]*\n")
  message(FATAL_ERROR "the run from the save did not start from it (status ${status}):\n${then}${err}")
endif()
string(REGEX REPLACE "^.*\n1000 saved [^\n]*\n" "" after_save "${first}")
string(REGEX REPLACE "^1000 loaded [^\n]*\n" "" after_load "${then}")
if(NOT after_save STREQUAL after_load OR after_save STREQUAL "")
  message(FATAL_ERROR "after the save:\n${after_save}\nafter --load:\n${after_load}")
endif()

execute_process(COMMAND ${ZORBLAND} --headless --script load_option_then.script --load ${WORK}/load_option_then.script
  WORKING_DIRECTORY ${WORK} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status TIMEOUT 60)
if(NOT status EQUAL 2 OR NOT out STREQUAL "" OR
   NOT err MATCHES "^zorbland: cannot load [^\n]*load_option_then.script: not a ZORBLAND save[^\n]*\n$")
  message(FATAL_ERROR "a bad save: status ${status}, stdout '${out}', stderr '${err}'")
endif()
