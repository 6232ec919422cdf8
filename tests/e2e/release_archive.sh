#!/usr/bin/env bash
# Checks the release archive as a user gets it: its SHA-256 sum holds, it
# holds exactly the built program and a README with Windows line ends, and
# the program unpacked from it starts and calculates. The package target
# writes the archive before the tests run; without it the test is skipped.
#   release_archive.sh BUILD_DIR WINEPREFIX PROGRAM.exe VERSION
set -euo pipefail
BUILD_DIR=$1
PREFIX=$2
PROGRAM=$3
NAME=Ternwick-$4-win64.zip
CASE=release-archive
. "$(dirname "$0")/x_driver.sh"

if [ ! -f "$BUILD_DIR/$NAME" ]; then
  echo "SKIP [$CASE]: no $NAME; build it with: cmake --build $BUILD_DIR --target package"
  exit 77
fi
(cd "$BUILD_DIR" && sha256sum --check --quiet "$NAME.sha256") || fail "the SHA-256 sum does not hold"

UNPACKED=$(mktemp -d)
trap 'rm -rf "$UNPACKED"' EXIT
(cd "$UNPACKED" && cmake -E tar xf "$BUILD_DIR/$NAME")
contents=$(cd "$UNPACKED" && find . -type f | sort | tr '\n' ' ')
[ "$contents" = "./README.txt ./ternwick.exe " ] || fail "the archive holds $contents"
cmp -s "$PROGRAM" "$UNPACKED/ternwick.exe" \
  || fail "the archive's ternwick.exe is not the one built (rebuild the archive: cmake --build $BUILD_DIR --target package)"
lines=$(wc -l < "$UNPACKED/README.txt")
crlf=$(grep -c $'\r$' "$UNPACKED/README.txt" || true)
[ "$lines" -gt 0 ] && [ "$crlf" -eq "$lines" ] \
  || fail "README.txt has $crlf CRLF line ends in $lines lines"
[ "$FAILURES" -eq 0 ] || exit 1

bash "$(dirname "$0")/e2e.sh" "$UNPACKED/ternwick.exe" "$PREFIX" "$UNPACKED" chain
