# Runs one script through the game and compares its transcript and status.
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
set(start_args "")
if(EXISTS ${dir}/${name}.args)
  file(READ ${dir}/${name}.args start_args)
  string(STRIP "${start_args}" start_args)
  separate_arguments(start_args UNIX_COMMAND "${start_args}")
endif()
execute_process(
  COMMAND ${ZORBLAND} --headless --script ${name}.script ${start_args}
  WORKING_DIRECTORY ${dir}
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  RESULT_VARIABLE status
  TIMEOUT 120)
set(want_status 0)
if(EXISTS ${dir}/${name}.status)
  file(READ ${dir}/${name}.status want_status)
  string(STRIP "${want_status}" want_status)
endif()
file(READ ${dir}/${name}.expected want)
if(NOT out STREQUAL want)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual "${out}")
  message(FATAL_ERROR "transcript differs from ${name}.expected:\n--- got ---\n${out}\n--- stderr ---\n${err}")
endif()
if(NOT status STREQUAL want_status)
  message(FATAL_ERROR "exit status ${status}, expected ${want_status}; stderr: ${err}")
endif()
if(EXISTS ${dir}/${name}.stderr)
  file(READ ${dir}/${name}.stderr want_err)
  if(NOT err STREQUAL want_err)
    message(FATAL_ERROR "stderr differs from ${name}.stderr:\n${err}")
  endif()
endif()
