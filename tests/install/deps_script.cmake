# tools/deps.sh against stand-ins for id, sudo, dpkg-query and apt-get (the
# PATH holds the machine's other commands, never its own sudo or apt): quiet
# when nothing is missing; one line per package while installing, apt's own
# chatter shown only when apt fails; and with neither root nor sudo, the exact
# command to run as root and status 1, without trying apt at all.
#   -DDEPS=tools/deps.sh -DWORK=
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/bin)
find_program(SH sh REQUIRED NO_CACHE)
# Every ordinary command of the machine, but none of the ones stood in for
# (linked by the shell: a CMake list would trip over /usr/bin/[ ).
execute_process(COMMAND ${SH} -c [[
  ln -s /bin/* /usr/bin/* "$1" 2>/dev/null
  cd "$1" && rm -f id sudo dpkg-query apt-get apt npm && test -e sh && test -e grep
]] sh ${WORK}/bin
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cannot link the machine's commands into ${WORK}/bin")
endif()
find_program(ENV_COMMAND env REQUIRED NO_CACHE)

function(fake name body)
  file(WRITE ${WORK}/fakes/${name} "#!${SH}\n${body}\n")
  file(CHMOD ${WORK}/fakes/${name} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
endfunction()
fake(id [[echo "$FAKE_UID"]])
fake(sudo [[exec "$@"]])
fake(dpkg-query [[for p in $FAKE_MISSING; do [ "$p" = "$3" ] && exit 1; done; printf 'install ok installed']])
fake(apt-get [[echo "$*" >> "$APT_LOG"
echo "Reading package lists... Done"
[ "$1" = install ] && [ -n "$FAKE_APT_FAILS" ] && { echo "E: Unable to locate package $FAKE_APT_FAILS"; exit 100; }
exit 0]])
# The browser tests' packages are not this test's business: npm does nothing.
fake(npm [[exit 0]])

# NAME | uid | with sudo | missing | apt fails with | status | stdout regex | stderr regex | apt calls regex
set(cases
  "nothing_missing|1000|no|||0|^$|^$|^$"
  "no_root_no_sudo|1000|no|xvfb lintian||1|^$|\n  apt-get install -y xvfb lintian\n$|^$"
  "through_sudo|1000|yes|xvfb lintian||0|^installing xvfb\ninstalling lintian\n$|^$|^update -qq\ninstall -y -qq xvfb lintian\n$"
  "as_root_apt_fails|0|no|lintian|lintian|1|^installing lintian\n$|Reading package lists.*E: Unable to locate package lintian\n.*apt-get install -y lintian\n$|^update -qq\ninstall -y -qq lintian\n$")

set(failures "")
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 name)
  list(SUBLIST fields 1 -1 fields)
  list(POP_FRONT fields uid with_sudo missing apt_fails want_status want_out want_err want_apt)
  file(REMOVE_RECURSE ${WORK}/fakes_now)
  file(COPY ${WORK}/fakes/ DESTINATION ${WORK}/fakes_now)
  if(NOT with_sudo)
    file(REMOVE ${WORK}/fakes_now/sudo)
  endif()
  file(REMOVE ${WORK}/apt.log)
  file(TOUCH ${WORK}/apt.log)
  execute_process(
    COMMAND ${ENV_COMMAND} -i PATH=${WORK}/fakes_now:${WORK}/bin FAKE_UID=${uid} "FAKE_MISSING=${missing}"
            "FAKE_APT_FAILS=${apt_fails}" APT_LOG=${WORK}/apt.log ${SH} ${DEPS}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
  file(READ ${WORK}/apt.log apt)
  string(REGEX REPLACE "[^\n]*npm[^\n]*\n" "" out "${out}")
  if(NOT status STREQUAL want_status OR NOT out MATCHES "${want_out}" OR NOT err MATCHES "${want_err}"
     OR NOT apt MATCHES "${want_apt}")
    string(APPEND failures "${name}: got status ${status}\nstdout:\n${out}\nstderr:\n${err}\napt-get calls:\n${apt}\n"
                           "expected status ${want_status}, stdout ~ ${want_out}, stderr ~ ${want_err}, calls ~ ${want_apt}\n\n")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
