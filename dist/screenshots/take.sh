#!/bin/sh
# Takes the screenshots the AppStream metadata lists again, with the game's
# own headless `shot`: ./take.sh [PATH/TO/zorbland]   (default: build/zorbland)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
zorbland=${1:-$here/../../build/zorbland}
shoot() {  # NAME SCENE SCRIPT-LINES...
  name=$1 scene=$2
  shift 2
  printf '%s\n' "$@" "shot $here/$name.png" | "$zorbland" --headless --script - --start "$scene" > /dev/null
}
shoot title Form1
shoot town Form3 "wait 100"
shoot battle Form10 "wait 500"
