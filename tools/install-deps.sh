#!/usr/bin/env bash
# Installs the Debian packages that building and testing Ternwick need:
# GoogleTest, the mingw-w64 cross compiler and clang with lld as the second
# one, Wine, a headless X server, the X tools the end-to-end tests drive the
# program with, and the desktop entry checker. Quick when all is present.
set -euo pipefail

PACKAGES=(
  cmake g++ make python3 googletest libgtest-dev libbenchmark-dev clang lld
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 fonts-wine xvfb xdotool xclip imagemagick desktop-file-utils
)

missing=()
for pkg in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' \
    || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: these Debian packages are missing: ${missing[*]}" >&2
  echo "install-deps: run this script as root (or: sudo apt-get install ${missing[*]})" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
