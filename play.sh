#!/bin/sh
# Builds the game and starts it in a window. Extra arguments go to the game.
set -eu
cd "$(dirname "$0")"
tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build --target zorbland -j "$(nproc)"
exec build/zorbland "$@"
