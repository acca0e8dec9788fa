#!/bin/sh
# Installs the Debian packages the game, its tests and its .deb need, if any
# is missing: as root directly, otherwise through sudo. With neither, it says
# the one command to run as root and stops. Then the browser tests' npm
# packages, from their lockfile.
set -eu
cd "$(dirname "$0")/.."
packages="cmake g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev
  libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev libfontconfig-dev libunibreak-dev
  libx11-dev fonts-ipafont-gothic librsvg2-bin xvfb xauth
  desktop-file-utils appstream man-db dpkg-dev file lintian
  emscripten chromium python3-fonttools nodejs"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
# Debian's nodejs leaves npm to a package of its own; other builds of node bring it.
command -v npm >/dev/null 2>&1 || missing="$missing npm"

# Playwright, exactly as pinned in the lockfile, when it is not there or the
# lockfile changed.
npm_packages() {
  lock=tests/web/package-lock.json
  if [ ! -d tests/web/node_modules/playwright-core ] || [ "$lock" -nt tests/web/node_modules/.package-lock.json ]; then
    echo "installing the browser tests' npm packages"
    (cd tests/web && npm ci --no-audit --no-fund --silent)
  fi
}

[ -z "$missing" ] && { npm_packages; exit 0; }
missing=${missing# }
command="apt-get install -y $missing"

if [ "$(id -u)" -eq 0 ]; then
  sudo=""
elif command -v sudo >/dev/null 2>&1; then
  sudo="sudo"
else
  echo "deps.sh: these Debian packages are missing: $missing" >&2
  echo "deps.sh: run this as root, then try again:" >&2
  echo "  $command" >&2
  exit 1
fi

for p in $missing; do echo "installing $p"; done
# apt's own progress is kept back and shown only if something goes wrong.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! { $sudo apt-get update -qq &&
       $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing; } >"$log" 2>&1; then
  cat "$log" >&2
  echo "deps.sh: installing failed; the command was: ${sudo:+$sudo }$command" >&2
  exit 1
fi
npm_packages
