#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the gallery need.
# Idempotent: installs only what is missing; through sudo when not root.
set -euo pipefail
packages=(g++-mingw-w64-x86-64-posix wine wine64 fonts-wine xvfb xauth cmake ninja-build
          googletest make x11-utils clang-format python3)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "bootstrap: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
