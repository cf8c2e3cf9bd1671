#!/usr/bin/env bash
# Runs the test suite of a build folder under Wine.
# usage: tools/run-tests.sh <build-dir> [ctest arguments...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:?usage: run-tests.sh <build-dir> [ctest args]}"); shift
. "$here/wine-env.sh" "$build"
"$here/make-prefix.sh"

# Tests are headless and reproducible: Wine's null display driver, whatever
# display the caller has.
unset DISPLAY WAYLAND_DISPLAY

# A warm, persistent server keeps each test start near 0.1 s and stops Wine's
# helper processes from holding CTest's output pipes.
wineserver -p 2>/dev/null || true  # one may already be running for this prefix
wine wineboot >/dev/null 2>&1 || true
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
ctest --test-dir "$build" --output-on-failure --no-tests=error "$@"
