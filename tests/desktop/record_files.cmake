# A recording file is created only when the game really starts, and the
# file being replayed is never the one recorded into.
#   -DZORBLAND=... -DWORK=dir
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(recording "wait 1000\nclick Form2.Command1\nwait 500\n")
file(WRITE ${WORK}/same.rec "${recording}")
file(WRITE ${WORK}/keep.rec "${recording}")

function(run expect_status expect_err)
  execute_process(COMMAND ${ZORBLAND} ${ARGN}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
  if(NOT status EQUAL expect_status OR NOT err MATCHES "${expect_err}")
    message(FATAL_ERROR "zorbland ${ARGN}: expected status ${expect_status} and '${expect_err}', "
                        "got '${status}':\n${err}")
  endif()
endfunction()

function(expect_intact name)
  file(READ ${WORK}/${name} now)
  if(NOT now STREQUAL "${recording}")
    message(FATAL_ERROR "${name} was changed to:\n${now}")
  endif()
endfunction()

set(ENV{SDL_VIDEODRIVER} offscreen)
run(1 "^zorbland: --record and --replay name the same file .*same.rec: the recording would wipe what is played\n$"
    --replay ${WORK}/same.rec --record ${WORK}/same.rec)
expect_intact(same.rec)
# The same file by another name.
run(1 "name the same file" --replay ${WORK}/same.rec --record ${WORK}/./sub/../same.rec)
expect_intact(same.rec)

unset(ENV{SDL_VIDEODRIVER})
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
run(1 "^zorbland: no display" --record ${WORK}/keep.rec)
expect_intact(keep.rec)
run(1 "^zorbland: no display" --record ${WORK}/new.rec)
if(EXISTS ${WORK}/new.rec)
  message(FATAL_ERROR "a session that never started left new.rec behind")
endif()
