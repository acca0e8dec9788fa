# A picture that is on disk but damaged (cut short) is named as damaged, not
# missing, in one line: libpng's own complaint is not printed. Each scale
# reads its own raster (1x/ or 2x/), so each is damaged in turn.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${ASSETS}/1x ${ASSETS}/2x DESTINATION ${WORK}/assets)
file(WRITE ${WORK}/title.script "shot ${WORK}/title.png\n")
set(ENV{ZORBLAND_ASSETS} ${WORK}/assets)
unset(ENV{DISPLAY})
foreach(scale 1 2)
  set(png ${WORK}/assets/${scale}x/title.png)
  # Cut short: the header and the start of the picture data only.
  execute_process(COMMAND head -c 300 ${ASSETS}/${scale}x/title.png OUTPUT_FILE ${png})
  execute_process(COMMAND ${ZORBLAND} --headless --script ${WORK}/title.script --scale ${scale}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  set(want "zorbland: ${WORK}/title.script:1: cannot write ${WORK}/title.png: picture 'title' is damaged (${png})\n")
  if(NOT status EQUAL 2 OR NOT err STREQUAL want)
    message(SEND_ERROR "scale ${scale}: expected status 2 and\n${want}got status ${status} and\n${err}")
  endif()
  file(COPY ${ASSETS}/${scale}x/title.png DESTINATION ${WORK}/assets/${scale}x)
endforeach()
