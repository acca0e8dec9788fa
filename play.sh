#!/bin/sh
# Builds the game and starts it in a window. Extra arguments go to the game.
# With --web it builds the browser version instead and serves it on
# http://localhost:8080/ until Ctrl+C.
set -eu
cd "$(dirname "$0")"
tools/deps.sh
if [ "${1:-}" = "--web" ]; then
  web/build.sh
  echo "ZORBLAND in the browser: http://localhost:8080/ (Ctrl+C stops the server)"
  exec /usr/bin/python3 -m http.server 8080 --bind 127.0.0.1 --directory build-web/site
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build --target zorbland -j "$(nproc)"
exec build/zorbland "$@"
