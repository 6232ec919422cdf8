#!/usr/bin/env bash
# Makes sure the tools that building, running and testing Ternwick need are
# there, and on Debian installs the missing ones. Quick when all is present.
#   install-deps.sh run    what run.sh and install.sh need: the compilers,
#                          CMake and Ninja, Python 3, Wine and its fonts,
#                          xrdb, and Xvfb with ImageMagick for the headless
#                          screenshot
#   install-deps.sh test   all of that, and what the tests drive and check
#                          with: xdotool, xclip, GoogleTest, clang and lld,
#                          desktop-file-utils, ShellCheck, and DejaVu for the
#                          prefix without Wine's fonts
# Off Debian (no dpkg) it checks for the commands themselves and names the
# missing ones; libraries and fonts are then left to the build to find.
set -euo pipefail

# package:command (no command: a library or data, checked only by dpkg)
RUN_SET=(
  cmake:cmake ninja-build:ninja g++:g++ make:make python3:python3
  g++-mingw-w64-x86-64-posix:x86_64-w64-mingw32-g++-posix
  binutils-mingw-w64-x86-64:x86_64-w64-mingw32-windres
  wine:wine wine64:wineserver fonts-wine: x11-xserver-utils:xrdb xvfb:Xvfb
  imagemagick:import
)
TEST_SET=(
  "${RUN_SET[@]}"
  xdotool:xdotool xclip:xclip googletest: libgtest-dev: clang:clang lld:ld.lld
  desktop-file-utils:desktop-file-validate shellcheck:shellcheck fonts-dejavu-core:
)

case ${1:-} in
  run) WANTED=("${RUN_SET[@]}") ;;
  test) WANTED=("${TEST_SET[@]}") ;;
  *) sed -n '4,11p' "$0" >&2; exit 2 ;;
esac

missing=()
if command -v dpkg-query >/dev/null; then
  for entry in "${WANTED[@]}"; do
    package=${entry%%:*}
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
      || missing+=("$package")
  done
else
  for entry in "${WANTED[@]}"; do
    command=${entry#*:}
    [ -z "$command" ] || command -v "$command" >/dev/null || missing+=("$command")
  done
  [ ${#missing[@]} -eq 0 ] && exit 0
  echo "install-deps: these commands are missing: ${missing[*]}" >&2
  echo "install-deps: install them with your system's packages, then run this again" >&2
  exit 1
fi
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
