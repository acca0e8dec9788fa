# `cmake --install` into a scratch prefix puts every file where Debian's games
# and the freedesktop conventions want it, and nothing else: no tests, no
# benchmarks, no build-tree leftovers. The icons come out at the sizes their
# folders claim, the window's icon is the very picture the theme installs,
# and the desktop entry, metadata and changelog agree with each other and
# with the program.
#   -DBUILD_DIR= -DSOURCE_DIR= -DPREFIX= -DVERSION= -DAPP_ID=
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/common.cmake)

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${status}):\n${out}${err}")
endif()

# --- every file, and only those -----------------------------------------------
set(expected
  games/zorbland
  share/applications/${APP_ID}.desktop
  share/metainfo/${APP_ID}.metainfo.xml
  share/man/man6/zorbland.6
  share/doc/zorbland/copyright
  share/doc/zorbland/changelog
  share/icons/hicolor/scalable/apps/${APP_ID}.svg)
foreach(size 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
# Every listed picture that has been drawn, at 1× and 2×.
file(STRINGS ${SOURCE_DIR}/assets/pictures.list lines ENCODING UTF-8)
set(pictures 0)
foreach(line IN LISTS lines)
  if(NOT line MATCHES "^([a-z0-9_]+)[ \t]+[0-9]+[ \t]+[0-9]+")
    continue()
  endif()
  set(name ${CMAKE_MATCH_1})
  if(EXISTS ${SOURCE_DIR}/assets/${name}.svg)
    list(APPEND expected share/games/zorbland/assets/1x/${name}.png share/games/zorbland/assets/2x/${name}.png)
    math(EXPR pictures "${pictures} + 1")
  endif()
endforeach()
if(pictures LESS 50)
  message(FATAL_ERROR "only ${pictures} pictures read from assets/pictures.list: is the list still `name width height`?")
endif()

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${PREFIX} ${PREFIX}/*)
set(missing ${expected})
list(REMOVE_ITEM missing ${installed})
set(extra ${installed})
list(REMOVE_ITEM extra ${expected})
if(missing OR extra)
  list(JOIN missing "\n  " missing)
  list(JOIN extra "\n  " extra)
  message(FATAL_ERROR "the installed files differ from the layout\nmissing:\n  ${missing}\nnot expected:\n  ${extra}")
endif()

execute_process(COMMAND test -x ${PREFIX}/games/zorbland RESULT_VARIABLE not_executable)
if(not_executable)
  message(FATAL_ERROR "games/zorbland is installed without execute permission")
endif()

# --- the icon -----------------------------------------------------------------
set(icons ${PREFIX}/share/icons/hicolor)
foreach(size 32 48 64 128 256)
  zorb_png_size(${icons}/${size}x${size}/apps/${APP_ID}.png w h)
  if(NOT w EQUAL size OR NOT h EQUAL size)
    message(FATAL_ERROR "the ${size}x${size} icon is ${w} x ${h}")
  endif()
endforeach()
# The game window sets its icon from the 2× `icon` picture: the same SVG the
# theme installs, rasterised at the same 64 pixels.
file(SHA256 ${icons}/scalable/apps/${APP_ID}.svg svg_installed)
file(SHA256 ${SOURCE_DIR}/assets/icon.svg svg_window)
file(SHA256 ${icons}/64x64/apps/${APP_ID}.png png_installed)
file(SHA256 ${PREFIX}/share/games/zorbland/assets/2x/icon.png png_window)
if(NOT svg_installed STREQUAL svg_window OR NOT png_installed STREQUAL png_window)
  message(FATAL_ERROR "the installed icon is not the picture the game window shows (assets/icon.svg)")
endif()

# --- the entry, the metadata and the changelog agree ---------------------------
file(READ ${PREFIX}/share/applications/${APP_ID}.desktop entry)
foreach(want "\nExec=zorbland( |\n)" "\nIcon=${APP_ID}\n" "\nCategories=Game;RolePlaying;\n"
             "\nName\\[ja\\]=" "\nComment=" "\nComment\\[ja\\]=" "\nKeywords=")
  if(NOT entry MATCHES "${want}")
    message(FATAL_ERROR "the desktop entry has no line matching '${want}':\n${entry}")
  endif()
endforeach()

file(READ ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml meta)
foreach(want "<id>${APP_ID}</id>" "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
             "<project_license>MIT</project_license>" "<metadata_license>CC0-1.0</metadata_license>"
             "<summary xml:lang=\"ja\">" "<p xml:lang=\"ja\">" "<content_rating type=\"oars-1.1\">"
             "<release version=\"${VERSION}\"" "<binary>zorbland</binary>")
  string(FIND "${meta}" "${want}" at)
  if(at LESS 0)
    message(FATAL_ERROR "the metainfo lacks ${want}")
  endif()
endforeach()
# Software centres fetch the screenshots from the repository: each one named
# there is a file in dist/screenshots/ of the size it claims.
string(REGEX MATCHALL "<image[^>]*>[^<]*</image>" images "${meta}")
if(NOT images)
  message(FATAL_ERROR "the metainfo lists no screenshot")
endif()
foreach(image IN LISTS images)
  if(NOT image MATCHES "width=\"([0-9]+)\" height=\"([0-9]+)\">https://[^<]*/dist/screenshots/([^/<]+)</image>")
    message(FATAL_ERROR "a screenshot is not a dist/screenshots/ file with its size: ${image}")
  endif()
  set(file ${SOURCE_DIR}/dist/screenshots/${CMAKE_MATCH_3})
  set(want_w ${CMAKE_MATCH_1})
  set(want_h ${CMAKE_MATCH_2})
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "the metainfo lists a screenshot that is not in the tree: ${file}")
  endif()
  zorb_png_size(${file} w h)
  if(NOT w EQUAL want_w OR NOT h EQUAL want_h)
    message(FATAL_ERROR "${file} is ${w} x ${h}, the metainfo says ${want_w} x ${want_h}")
  endif()
endforeach()

file(STRINGS ${PREFIX}/share/doc/zorbland/changelog top LIMIT_COUNT 1)
if(NOT top MATCHES "^zorbland \\(${VERSION}\\) ")
  message(FATAL_ERROR "the changelog's newest entry is not version ${VERSION}: ${top}")
endif()
