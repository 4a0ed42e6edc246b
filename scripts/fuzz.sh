#!/usr/bin/env bash
# Builds the libFuzzer targets with clang under ASan and UBSan and runs each one for a
# bounded time (FUZZ_SECONDS, 20 by default) from a seed corpus made of the shipped data and
# fuzz/seeds. Any finding fails the script; the crashing input is left in build-fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH=${FUZZ_SECONDS:-20}
JOBS=$(nproc 2>/dev/null || echo 2)
CLANGXX=$(command -v clang++ || command -v clang++-14)
CLANGC=$(command -v clang || command -v clang-14)

CC=$CLANGC CXX=$CLANGXX cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFB_FUZZ=ON -DFB_SANITIZE=ON \
  -DFB_BUILD_GUI=OFF -DFB_BUILD_BENCH=OFF -DFB_BUILD_TESTS=OFF >/dev/null
targets=$(ls fuzz/fuzz_*.cpp | xargs -n1 basename | sed 's/\.cpp$//')
# shellcheck disable=SC2086
cmake --build build-fuzz -j"$JOBS" --target $targets

seeds() {  # the seed files of a target: its own seeds plus shipped data files of the kind it reads
  local target=$1
  [ -d "fuzz/seeds/$target" ] && find "fuzz/seeds/$target" -type f
  case $target in
    fuzz_lookup|fuzz_corebase) echo data/Bases_Cores/FerritesCores.txt ;;
    fuzz_coregeometry) echo data/Bases_Cores/CoreGeometry.txt ;;
    fuzz_material) find data/Ferrites_Materials -name '*.txt' | head -n 4 ;;
    fuzz_wiretable) echo data/Wire.txt ;;
    fuzz_designfile*|fuzz_flyback*) find data/Flyback -name '*.sav' 2>/dev/null || true ;;
    fuzz_pfc*) find data/Boostcoil -name '*.sav' 2>/dev/null || true ;;
  esac
}

mkdir -p build-fuzz/findings
status=0
for bin in build-fuzz/fuzz/fuzz_*; do
  [ -x "$bin" ] || continue
  name=$(basename "$bin")
  corpus=build-fuzz/corpus/$name
  mkdir -p "$corpus"
  seeds "$name" | while read -r f; do [ -f "$f" ] && cp "$f" "$corpus/" || true; done
  echo "== $name: ${SECONDS_EACH}s"
  if ! ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
      "$bin" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 -max_len=20000 \
      -artifact_prefix=build-fuzz/findings/"$name"- -print_final_stats=0 "$corpus" >build-fuzz/$name.log 2>&1; then
    echo "FINDING in $name:"; tail -n 40 build-fuzz/$name.log
    status=1
  fi
done
exit $status
