# Sourced by the other scripts: the Wine settings of a build folder.
# usage: . tools/wine-env.sh <build-dir>
export WINEPREFIX="$(realpath -m "$1")/wineprefix"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
