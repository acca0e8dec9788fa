# The Debian package made from this build: the package's fields (section,
# dependencies from the program's libraries plus the face, a long
# description), its files where Debian puts them (the manual page and the
# changelog compressed, no tests), and lintian finds no error in it.
#   -DBUILD_DIR= -DWORK= -DVERSION= [-DLINTIAN=]
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
# The tree is built before its tests run. Left to itself, cpack would first
# bring a Makefile tree up to date (its "preinstall" step), compiling in the
# middle of the test run while other tests use the programs; named a
# generator that has no such step, it packs what is there.
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} --config ${BUILD_DIR}/CPackConfig.cmake -D CPACK_CMAKE_GENERATOR=Ninja -B ${WORK}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(GLOB debs ${WORK}/zorbland_${VERSION}_*.deb)
if(NOT status EQUAL 0 OR NOT debs)
  message(FATAL_ERROR "cpack made no zorbland_${VERSION}_*.deb (${status}):\n${out}${err}")
endif()
list(GET debs 0 deb)

execute_process(COMMAND dpkg-deb --field ${deb} OUTPUT_VARIABLE control RESULT_VARIABLE status)
foreach(want "\nPackage: zorbland\n" "\nVersion: ${VERSION}\n" "\nSection: games\n"
             "\nDepends: [^\n]*fonts-ipafont-gothic" "\nDepends: [^\n]*libsdl2-2\\.0-0 \\(>="
             "\nDepends: [^\n]*libc6 \\(>=" "\nDescription: [^\n]+\n [^\n]+\n [^\n]+")
  if(NOT "\n${control}" MATCHES "${want}")
    message(FATAL_ERROR "the package's control has nothing matching '${want}':\n${control}")
  endif()
endforeach()

execute_process(COMMAND dpkg-deb --contents ${deb} OUTPUT_VARIABLE contents RESULT_VARIABLE status)
foreach(want " \\./usr/games/zorbland\n" " \\./usr/share/man/man6/zorbland\\.6\\.gz\n"
             " \\./usr/share/doc/zorbland/changelog\\.gz\n" " \\./usr/share/doc/zorbland/copyright\n"
             " \\./usr/share/games/zorbland/assets/2x/icon\\.png\n"
             " \\./usr/share/applications/io\\.github\\.zorbland\\.Zorbland\\.desktop\n")
  if(NOT contents MATCHES "${want}")
    message(FATAL_ERROR "the package has no file matching '${want}':\n${contents}")
  endif()
endforeach()
if(contents MATCHES "[^\n]*(/zorb_[a-z_]*|/tests?/|/bench/|CMakeFiles|\\.cmake)[^\n]*")
  message(FATAL_ERROR "the package carries a build or test file: ${CMAKE_MATCH_0}")
endif()

if(LINTIAN)
  execute_process(COMMAND ${LINTIAN} --fail-on error --no-tag-display-limit ${deb}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  message("lintian:\n${out}${err}")
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "lintian reports errors (${status})")
  endif()
endif()
