#!/bin/sh
# Builds everything and runs every test.
set -eu
cd "$(dirname "$0")"
tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j "$(nproc)"
ctest --test-dir build --output-on-failure -j "$(nproc)"
