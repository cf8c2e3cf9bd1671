#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the gallery need, and
# the glibc locale the tests of code page 932 run in (Wine takes the ANSI code
# page from the locale). Idempotent and quick when done: installs only what
# is missing; through sudo when not root.
set -euo pipefail
packages=(g++-mingw-w64-x86-64-posix wine wine64 fonts-wine xvfb xauth cmake ninja-build
          googletest make x11-utils clang-format python3 locales fonts-ipafont-gothic)
# The locales that tests run in; each also needs its line in /etc/locale.gen.
locales=("ja_JP.UTF-8 UTF-8")

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "bootstrap: installing ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# locale -a spells ja_JP.UTF-8 as ja_JP.utf8.
have=$(locale -a 2>/dev/null | tr 'A-Z' 'a-z' | tr -d '-')
generate=0
for l in "${locales[@]}"; do
  name=${l%% *}
  key=$(echo "$name" | tr 'A-Z' 'a-z' | tr -d '-')
  grep -qx "$key" <<<"$have" && continue
  generate=1
  grep -qx "$l" /etc/locale.gen 2>/dev/null || echo "$l" | $sudo tee -a /etc/locale.gen >/dev/null
done
if [ $generate -eq 1 ]; then
  echo "bootstrap: generating the locales ${locales[*]}" >&2
  $sudo locale-gen >/dev/null
fi
