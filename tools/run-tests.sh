#!/usr/bin/env bash
# Runs the test suite of a build folder under Wine.
# usage: tools/run-tests.sh <build-dir> [ctest arguments...]
#   GTEST_FILTER='Suite.Case' picks cases inside the executables that run;
#   GTEST_BRIEF=0 shows every case, not only the failing ones.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:?usage: run-tests.sh <build-dir> [ctest args]}"); shift
. "$here/wine-env.sh" "$build"
"$here/make-prefix.sh"

# Tests are headless and reproducible: Wine's null display driver, whatever
# display the caller has.
unset DISPLAY WAYLAND_DISPLAY
export GTEST_BRIEF="${GTEST_BRIEF:-1}"

# A persistent server: otherwise Wine's helper processes inherit and hold
# CTest's output pipes.
wineserver -p 2>/dev/null || true  # one may already be running for this prefix
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT

# The desktop process (explorer.exe) is started by the first program that
# needs it, inherits that program's stderr, and stays a second after the last
# program leaves: each test's output pipe stayed open that second. This keeper
# starts the desktop with its output going nowhere (wineboot also warms the
# server up), says "ready", and holds the desktop until this script ends.
coproc KEEPER { exec wine cmd.exe /c "wineboot & echo ready & pause" 2>/dev/null; }
ready=
while [ -z "$ready" ] && IFS= read -r -t 60 -u "${KEEPER[0]}" line; do
  case $line in ready*) ready=1 ;; esac
done
[ -n "$ready" ] || echo "run-tests: the desktop keeper did not start; tests run slower" >&2

ctest --test-dir "$build" --output-on-failure --no-tests=error "$@"
