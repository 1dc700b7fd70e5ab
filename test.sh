#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite, then runs the
# Qt-free suites again under the address and undefined-behaviour sanitizers and the engine's
# suite under the thread sanitizer (the refits run on several threads), then runs every fuzz
# harness for a short fixed time (FUZZ_SECONDS each, 20 by default; 0 skips them).
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake --preset default
cmake --build --preset default -j "$jobs"
ctest --preset default -j "$jobs"

cmake --preset asan
cmake --build --preset asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset asan -j "$jobs"

cmake --preset tsan
cmake --build --preset tsan -j "$jobs"
TSAN_OPTIONS=halt_on_error=1 build-tsan/tests/numerics_tests --gtest_brief=1

fuzz_seconds="${FUZZ_SECONDS:-20}"
if [ "$fuzz_seconds" -gt 0 ]; then
  cmake --preset fuzz
  cmake --build --preset fuzz -j "$jobs"
  tests/fuzz/run.sh build-fuzz "$fuzz_seconds"
fi
