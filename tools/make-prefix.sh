#!/usr/bin/env bash
# Makes the Wine prefix named by $WINEPREFIX once: 64-bit, null-or-X11 graphics
# driver, unmanaged windows, no crash dialog, Wine's own fonts and the IPA
# Gothic faces (Japanese, Greek, Cyrillic and characters outside the BMP, for
# the gallery's pages of several scripts) linked in.
# With KAVRO_DPI set (tools/wine-env.sh names such a prefix after it), the
# screen runs at that DPI: the value LogPixels, which Wine 8 reads from either
# key below; Windows keeps it in both.
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must be set}"
export WINEARCH=win64 WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml="
fonts=(/usr/share/wine/fonts/*.ttf /usr/share/fonts/opentype/ipafont-gothic/*.ttf)
link_fonts() { ln -sf "${fonts[@]}" "$WINEPREFIX/drive_c/windows/Fonts/"; }
# A prefix made before the IPA faces were linked gets them now.
if [ -f "$WINEPREFIX/.kavro-ready" ]; then
  [ -e "$WINEPREFIX/drive_c/windows/Fonts/ipagp.ttf" ] || link_fonts
  exit 0
fi
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
[ -f "$WINEPREFIX/.kavro-ready" ] && exit 0

echo "make-prefix: creating $WINEPREFIX" >&2
wineboot --init >/dev/null 2>&1
wineserver -w
settings=$(mktemp --suffix=.reg)
cat >"$settings" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Drivers]
"Graphics"="x11,null"

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="N"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Control Panel\Desktop]
"FontSmoothing"="0"
REG
if [ -n "${KAVRO_DPI:-}" ] && [ "$KAVRO_DPI" != 96 ]; then
  dpi=$(printf '%08x' "$KAVRO_DPI")
  cat >>"$settings" <<REG

[HKEY_CURRENT_USER\Control Panel\Desktop]
"LogPixels"=dword:$dpi

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts]
"LogPixels"=dword:$dpi
REG
fi
wine regedit /S "$settings" >/dev/null 2>&1
wineserver -w
rm -f "$settings"
link_fonts
touch "$WINEPREFIX/.kavro-ready"
