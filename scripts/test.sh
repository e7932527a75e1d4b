#!/usr/bin/env bash
# Builds and runs every test: the normal build, then the whole suite again
# built with AddressSanitizer and UndefinedBehaviorSanitizer, then each
# fuzzer for a short while. GUI tests run under Xvfb, which CTest starts for
# them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZK_SANITIZE=ON -DZK_DATA=OFF
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --output-on-failure -j"$jobs"

# The fuzzers, all at once, for a bounded time (scripts/fuzz.sh HOURS runs
# them for hours).
bash scripts/fuzz.sh --seconds 25
