#!/bin/sh
# The X server goes away under the game: it ends at once with status 1 and
# one line, and the recording holds what was played.
#   lost_display.sh PATH/TO/zorbland WORKDIR
set -u
zorbland=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
exec 3>"$work/displayfd"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 50); do [ -s "$work/displayfd" ] && break; sleep 0.1; done
display=":$(head -n1 "$work/displayfd")"
DISPLAY=$display SDL_AUDIODRIVER=dummy "$zorbland" --start Form3 --record "$work/lost.rec" 2>"$work/err" &
game=$!
sleep 2
kill -9 $xvfb
wait $game
status=$?
fail=0
[ $status -eq 1 ] || { echo "expected status 1, got $status"; fail=1; }
[ "$(cat "$work/err")" = "zorbland: lost the display $display" ] || { echo "stderr:"; cat "$work/err"; fail=1; }
grep -q '^wait [0-9][0-9]*$' "$work/lost.rec" || { echo "the recording is empty"; fail=1; }
exit $fail
