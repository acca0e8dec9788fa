#!/bin/sh
# Installs the Debian packages the game and its tests need, if any is missing.
set -eu
packages="cmake g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev
  libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev libfontconfig-dev libunibreak-dev
  libx11-dev fonts-ipafont-gothic librsvg2-bin xvfb xauth"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "installing:$missing"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing
