#!/bin/sh
# A recording that cannot be written (a full disk) is said in one line at
# once, the game plays on, and the program ends with status 1.
#   record_full_disk.sh PATH/TO/zorbland
set -u
err=$(mktemp)
SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy "$1" --start Form3 --record /dev/full 2>"$err" &
game=$!
sleep 2
kill -TERM $game
wait $game
status=$?
fail=0
[ $status -eq 1 ] || { echo "expected status 1, got $status"; fail=1; }
[ "$(cat "$err")" = "zorbland: cannot write the recording /dev/full: No space left on device" ] || { echo "stderr:"; cat "$err"; fail=1; }
rm -f "$err"
exit $fail
