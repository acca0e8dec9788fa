# The installed program finds its pictures the ways a person runs it: from
# any working directory, from a prefix moved somewhere else whole, through a
# symlink on the PATH, or pointed elsewhere by $ZORBLAND_ASSETS. When none of
# the places holds them it stops with one line naming every place it looked
# in, headless and in a window alike.
#   -DPREFIX= (an installed tree, left untouched) -DWORK=
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/common.cmake)

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/bin ${WORK}/lonely/games ${WORK}/empty)
# A whole prefix moved: a copy the program was never installed into.
file(COPY ${PREFIX}/ DESTINATION ${WORK}/moved/elsewhere)
# The program alone, away from its data.
file(COPY ${PREFIX}/games/zorbland DESTINATION ${WORK}/lonely/games)
file(CREATE_LINK ${PREFIX}/games/zorbland ${WORK}/bin/zorbland SYMBOLIC)

set(installed ${PREFIX}/games/zorbland)
set(moved ${WORK}/moved/elsewhere/games/zorbland)
set(lonely ${WORK}/lonely/games/zorbland)
set(data share/games/zorbland/assets)

# Each case: NAME PROGRAM MODE STATUS STDERR-REGEX [VAR=VALUE...]
#   MODE is `shot` (headless, a script that takes a shot of the title) or
#   `window` (SDL's offscreen display, ends after the first frame).
set(cases
  "from_root|${installed}|shot|0|^$"
  "window_from_root|${installed}|window|0|^first frame [0-9]+\n$"
  "moved_prefix|${moved}|shot|0|^$"
  "moved_prefix_window|${moved}|window|0|^first frame [0-9]+\n$"
  "symlink_on_path|${WORK}/bin/zorbland|shot|0|^$"
  "assets_variable|${lonely}|shot|0|^$|ZORBLAND_ASSETS=${PREFIX}/${data}"
  "program_alone|${lonely}|shot|2|^zorbland: [^\n]*cannot find the game's pictures: looked in ${WORK}/lonely/games/assets, ${WORK}/lonely/${data}\n$"
  "program_alone_window|${lonely}|window|1|^zorbland: cannot find the game's pictures: looked in ${WORK}/lonely/games/assets, ${WORK}/lonely/${data}\n$"
  "assets_variable_empty|${installed}|shot|2|^zorbland: [^\n]*cannot find the game's pictures: looked in ${WORK}/empty \\(ZORBLAND_ASSETS\\)\n$|ZORBLAND_ASSETS=${WORK}/empty")

set(failures "")
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" fields "${case}")
  list(POP_FRONT fields name program mode want_status want_err)
  set(shot ${WORK}/${name}.png)
  file(WRITE ${WORK}/${name}.script "shot ${shot}\n")
  set(env --unset=ZORBLAND_ASSETS --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=SDL_VIDEODRIVER
          SDL_AUDIODRIVER=dummy ${fields})
  if(mode STREQUAL "window")
    set(command ${program})
    list(APPEND env SDL_VIDEODRIVER=offscreen ZORBLAND_EXIT_AFTER_FIRST_FRAME=1)
  else()
    set(command ${program} --headless --script ${WORK}/${name}.script)
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${env} ${command}
    WORKING_DIRECTORY /
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
  # Regular expressions here have no way to say "the literal path", so the
  # paths above carry no special characters (the build tree's included).
  if(NOT status STREQUAL want_status OR NOT err MATCHES "${want_err}")
    string(APPEND failures "${name}: expected status ${want_status} and stderr matching\n  ${want_err}\n"
                           "got status ${status}, stderr:\n  ${err}\n")
    continue()
  endif()
  if(mode STREQUAL "shot")
    if(want_status EQUAL 0)
      if(NOT EXISTS ${shot})
        string(APPEND failures "${name}: no shot written\n")
        continue()
      endif()
      zorb_png_size(${shot} w h)
      if(NOT w EQUAL 800 OR NOT h EQUAL 680)
        string(APPEND failures "${name}: the shot is ${w} x ${h}, not 800 x 680\n")
      endif()
    elseif(EXISTS ${shot})
      string(APPEND failures "${name}: a shot was written without the pictures\n")
    endif()
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
