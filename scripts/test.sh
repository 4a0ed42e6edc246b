#!/usr/bin/env bash
# Builds everything and runs every test twice: a normal build, then one under
# AddressSanitizer and UndefinedBehaviorSanitizer. Any failure fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

JOBS=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen

echo "== Build and test =="
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$JOBS"
ctest --test-dir build --output-on-failure -j"$JOBS"

echo "== Build and test under ASan + UBSan =="
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DFB_SANITIZE=ON -DFB_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j"$JOBS"
LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp" ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j"$JOBS"

echo "== Fuzz every reader of outside text (${FUZZ_SECONDS:-20} s each) =="
bash scripts/fuzz.sh
