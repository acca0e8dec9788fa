#!/bin/sh
# Builds the browser version and plays it in Chromium (tests/web/*.test.js).
set -eu
cd "$(dirname "$0")"
../../web/build.sh
exec node --test --test-reporter=spec browser.test.js
