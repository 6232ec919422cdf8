#!/usr/bin/env bash
# Runs one Windows program under Wine in the given prefix:
#   wine-exec.sh PREFIX PROGRAM.exe [ARGS...]
# CTest uses it as the emulator of every Windows test binary.
set -euo pipefail
export WINEPREFIX="$1"
shift
. "$(dirname "$0")/wine-env.sh"
ensure_wine_prefix
exec wine "$@"
