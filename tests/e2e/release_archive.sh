#!/usr/bin/env bash
# Checks the release archive as a user gets it: the package target writes
# it with its SHA-256 sum, it holds exactly the built program and a README
# with Windows line ends, and the program unpacked from it starts and
# calculates.
#   release_archive.sh BUILD_DIR WINEPREFIX PROGRAM.exe VERSION
set -euo pipefail
BUILD_DIR=$1
PREFIX=$2
PROGRAM=$3
NAME=Ternwick-$4-win64.zip
CASE=release-archive

cmake --build "$BUILD_DIR" --target package >/dev/null
(cd "$BUILD_DIR" && sha256sum --check --quiet "$NAME.sha256")

UNPACKED=$(mktemp -d)
trap 'rm -rf "$UNPACKED"' EXIT
(cd "$UNPACKED" && cmake -E tar xf "$BUILD_DIR/$NAME")
contents=$(cd "$UNPACKED" && find . -type f | sort | tr '\n' ' ')
[ "$contents" = "./README.txt ./ternwick.exe " ] \
  || { echo "FAIL [$CASE]: the archive holds $contents"; exit 1; }
cmp "$PROGRAM" "$UNPACKED/ternwick.exe" \
  || { echo "FAIL [$CASE]: the archive's ternwick.exe is not the one built"; exit 1; }
lines=$(wc -l < "$UNPACKED/README.txt")
crlf=$(grep -c $'\r$' "$UNPACKED/README.txt" || true)
[ "$lines" -gt 0 ] && [ "$crlf" -eq "$lines" ] \
  || { echo "FAIL [$CASE]: README.txt has $crlf CRLF line ends in $lines lines"; exit 1; }

bash "$(dirname "$0")/e2e.sh" "$UNPACKED/ternwick.exe" "$PREFIX" "$UNPACKED" chain
