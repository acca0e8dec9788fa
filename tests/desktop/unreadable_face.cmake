# fontconfig names a face whose file can no longer be read (its cache says
# the file is there, the file is now empty): a headless shot says so in one
# line and the run ends with status 2, as any shot that cannot be made.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/fonts ${WORK}/cache)
execute_process(COMMAND fc-match -f "%{file}" IPAPGothic:lang=ja OUTPUT_VARIABLE face)
if(NOT face OR NOT EXISTS "${face}")
  message("no IPAPGothic on this machine: nothing to break")
  return()
endif()
file(COPY ${face} DESTINATION ${WORK}/fonts)
get_filename_component(name ${face} NAME)
# fontconfig trusts its cache of a folder as long as the folder itself has
# not changed, so the folder is dated in the past before it is cached.
execute_process(COMMAND touch -d "2001-01-01 00:00" ${WORK}/fonts)
file(WRITE ${WORK}/fonts.conf "<?xml version=\"1.0\"?>
<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">
<fontconfig><dir>${WORK}/fonts</dir><cachedir>${WORK}/cache</cachedir></fontconfig>
")
set(ENV{FONTCONFIG_FILE} ${WORK}/fonts.conf)
unset(ENV{DISPLAY})
file(WRITE ${WORK}/shot.script "shot ${WORK}/title.png\n")
execute_process(COMMAND ${ZORBLAND} --headless --script ${WORK}/shot.script
  RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE err TIMEOUT 60)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the copied face does not work to begin with (status ${status}):\n${err}")
endif()

# Emptied in place: the folder keeps its date, the cache its entry.
execute_process(COMMAND truncate -s 0 ${WORK}/fonts/${name})
execute_process(COMMAND ${ZORBLAND} --headless --script ${WORK}/shot.script
  RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE err TIMEOUT 60)
string(REGEX MATCHALL "\n" newlines "${err}")
list(LENGTH newlines lines)
set(want "^zorbland: ${WORK}/shot.script:1: cannot write ${WORK}/title.png: cannot open the font ${WORK}/fonts/${name}: [^\n]+\n$")
if(NOT status EQUAL 2 OR NOT lines EQUAL 1 OR NOT err MATCHES "${want}")
  message(FATAL_ERROR "expected status 2 and one line naming the face file, got status ${status} and\n${err}")
endif()
