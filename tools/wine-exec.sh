#!/usr/bin/env bash
# Runs one Windows test program under Wine in the given test prefix, on the
# test session's private display:
#   wine-exec.sh PREFIX PROGRAM.exe [ARGS...]
# CTest uses it as the emulator of every Windows test binary. The prefix
# lies in the test home, beside the record of the session's display.
set -euo pipefail
export WINEPREFIX="$1"
shift
TOOLS=$(dirname "$0")
. "$TOOLS/wine-env.sh"
. "$TOOLS/test-display.sh"
use_test_display "$(dirname "$WINEPREFIX")"
exec wine "$@"
