#!/usr/bin/env bash
# Runs the test suite of a build folder under Wine.
# usage: tools/run-tests.sh <build-dir> [ctest arguments...]
#   GTEST_FILTER='Suite.Case' picks cases inside the executables that run;
#   GTEST_BRIEF=0 shows every case, not only the failing ones.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:?usage: run-tests.sh <build-dir> [ctest args]}"); shift
# Plain entries run at 96 DPI whatever the caller's shell says; the .dpi192
# entries set KAVRO_DPI themselves, which sends them to the second prefix.
unset KAVRO_DPI
. "$here/wine-env.sh" "$build"

# Tests are headless and reproducible: Wine's null display driver, whatever
# display the caller has.
unset DISPLAY WAYLAND_DISPLAY
export GTEST_BRIEF="${GTEST_BRIEF:-1}"

# Each prefix gets a persistent server: otherwise Wine's helper processes
# inherit and hold CTest's output pipes.
#
# The desktop process (explorer.exe) is started by the first program that
# needs it, inherits that program's stderr, and stays a second after the last
# program leaves: each test's output pipe stayed open that second. A keeper
# per prefix starts the desktop with its output going nowhere, says "ready",
# and holds the desktop until this script ends: its input is a pipe that this
# script holds open. wineboot warms the server up but does not always need
# the desktop; rundll32 makes a window first, which always does.
prefixes=()
keepers=$(mktemp -d)
# Each server is gone when this script ends: a next run that found one still
# going down would start its keeper in a server about to vanish.
stop() {
  for prefix in "${prefixes[@]}"; do
    WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
    WINEPREFIX=$prefix wineserver -w >/dev/null 2>&1 || true
  done
  rm -rf "$keepers"
}
trap stop EXIT

start_prefix() { # $1: the DPI of the prefix
  local prefix
  prefix=$(export KAVRO_DPI=$1 && . "$here/wine-env.sh" "$build" && "$here/make-prefix.sh" && echo "$WINEPREFIX")
  prefixes+=("$prefix")
  WINEPREFIX=$prefix wineserver -p 2>/dev/null || true # one may already be running for this prefix
  mkfifo "$keepers/$1.in" "$keepers/$1.out"
  WINEPREFIX=$prefix wine cmd.exe /c "wineboot & rundll32.exe user32.dll,GetDesktopWindow & echo ready & pause" \
    <"$keepers/$1.in" >"$keepers/$1.out" 2>/dev/null &
  local in out line ready=
  exec {in}>"$keepers/$1.in" {out}<"$keepers/$1.out"
  while [ -z "$ready" ] && IFS= read -r -t 60 -u "$out" line; do
    case $line in ready*) ready=1 ;; esac
  done
  [ -n "$ready" ] || echo "run-tests: the desktop keeper of $prefix did not start; tests run slower" >&2
}
start_prefix 96
start_prefix 192

ctest --test-dir "$build" --output-on-failure --no-tests=error "$@"
