# shellcheck shell=bash
# Sourced by run.sh, install.sh and test.sh, from the source folder.

# Configures the preset's build tree and builds the named targets, or all:
#   configure_and_build PRESET [TARGET...]
# A tree that an older checkout configured for another generator is
# configured anew rather than refused.
configure_and_build() {
  local preset=$1 tree=build/$1 target
  shift
  local targets=()
  for target in "$@"; do
    targets+=(--target "$target")
  done
  if [ -f "$tree/CMakeCache.txt" ] \
      && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$tree/CMakeCache.txt"; then
    rm -rf "$tree/CMakeCache.txt" "$tree/CMakeFiles"
  fi
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$(nproc)" "${targets[@]}"
}
