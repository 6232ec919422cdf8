#!/usr/bin/env bash
# A test suite added to a test source is registered by the next build,
# without configuring by hand: a small project that registers the suites of
# one source, a suite appended to it, a build, and CTest's list again.
#   gtest_suites_test.sh SOURCE_DIR
set -euo pipefail
SOURCE_DIR=$1
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$WORK/source"
cat > "$WORK/source/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(probe NONE)
enable_testing()
include($SOURCE_DIR/cmake/gtest_suites.cmake)
add_custom_target(probe SOURCES probe_test.cpp)
add_gtest_suites(probe)
CMAKE
echo 'TEST(First, Runs) {}' > "$WORK/source/probe_test.cpp"

count_tests() { (cd "$WORK/build" && ctest -N | sed -n 's/^Total Tests: //p'); }

cmake -S "$WORK/source" -B "$WORK/build" -G Ninja >/dev/null
[ "$(count_tests)" = 1 ] || { echo "FAIL: the probe registered $(count_tests) suites, not 1"; exit 1; }
echo 'TEST(Second, Runs) {}' >> "$WORK/source/probe_test.cpp"
cmake --build "$WORK/build" >/dev/null
if [ "$(count_tests)" != 2 ]; then
  echo "FAIL: after a suite was added and the probe built, CTest lists $(count_tests) suites, not 2"
  exit 1
fi
echo "ok [gtest suites]"
