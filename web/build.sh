#!/bin/sh
# Builds the browser version into build-web/site/ (a folder of static files).
set -eu
cd "$(dirname "$0")/.."
# Debian's emscripten finds its JavaScript parser (acorn) among Debian's node modules.
export NODE_PATH=/usr/share/nodejs
if [ ! -f build-web/CMakeCache.txt ]; then
  emcmake cmake -S web -B build-web -DCMAKE_BUILD_TYPE=Release > /dev/null
fi
cmake --build build-web -j "$(nproc)"
