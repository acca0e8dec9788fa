#!/bin/sh
# Installs the Debian packages the game, its tests and its .deb need, if any
# is missing: as root directly, otherwise through sudo. With neither, it says
# the one command to run as root and stops.
set -eu
packages="cmake g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev
  libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev libfontconfig-dev libunibreak-dev
  libx11-dev fonts-ipafont-gothic librsvg2-bin xvfb xauth
  desktop-file-utils appstream man-db dpkg-dev file lintian"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
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
