#!/usr/bin/env bash
# Runs the gallery: on $DISPLAY when an X display answers, otherwise headless
# with Wine's null display driver, writing a PNG screenshot of every page.
# usage: tools/run-demo.sh <build-dir> <screenshot-dir>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:?usage: run-demo.sh <build-dir> <screenshot-dir>}")
shots=$(realpath -m "${2:-$build/screenshots}")
. "$here/wine-env.sh" "$build"
"$here/make-prefix.sh"
gallery="$build/bin/kavro-gallery.exe"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "demo: showing the gallery on $DISPLAY"
  wine "$gallery"
  wineserver -w
else
  unset DISPLAY WAYLAND_DISPLAY
  mkdir -p "$shots"
  echo "demo: no usable display; writing screenshots to $shots"
  wine "$gallery" /screenshots "$(winepath -w "$shots" 2>/dev/null)"
  wineserver -w
  ls -1 "$shots"/*.png
fi
