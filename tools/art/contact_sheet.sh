#!/bin/sh
# Rasterises the named pictures (or all) from assets/ at 2x and lays them out
# on one contact sheet: tools/art/contact_sheet.sh OUT.png [NAME ...]
set -eu
out=$1; shift
here=$(cd "$(dirname "$0")/../.." && pwd)
tmp=$(mktemp -d)
if [ $# -eq 0 ]; then set -- $(cd "$here/assets" && ls *.svg | sed 's/\.svg$//'); fi
for n in "$@"; do
  rsvg-convert -z 2 -b '#8a8a8a' "$here/assets/$n.svg" -o "$tmp/$n.png"
done
cd "$tmp" && montage $(for n in "$@"; do echo "$n.png"; done) -label '%t' -geometry '+6+6' -pointsize 14 -background '#555' -fill white "$out"
rm -rf "$tmp"
