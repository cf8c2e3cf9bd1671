# Sourced by the other scripts: the Wine settings of a build folder.
# usage: . tools/wine-env.sh <build-dir>
# KAVRO_DPI=192 (any DPI but 96) picks the build's second prefix, whose
# screen runs at that DPI; tools/make-prefix.sh makes it so.
if [ -n "${KAVRO_DPI:-}" ] && [ "$KAVRO_DPI" != 96 ]; then
  case $KAVRO_DPI in
    *[!0-9]*) echo "KAVRO_DPI must be a number of dots per inch, not '$KAVRO_DPI'" >&2; return 1 ;;
  esac
  export WINEPREFIX="$(realpath -m "$1")/wineprefix-dpi$KAVRO_DPI"
else
  export WINEPREFIX="$(realpath -m "$1")/wineprefix"
fi
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
