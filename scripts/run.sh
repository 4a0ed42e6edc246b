#!/usr/bin/env bash
# Builds the programs and starts one from its folder in the portable build tree:
#   scripts/run.sh            the flyback transformer program
#   scripts/run.sh boostcoil  the PFC choke program (once it is built by this tree)
# The program finds its help file "ReadMe.txt" in the current folder, which also fixes the
# data root (the folder above), so it is started from inside its own folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

program="${1:-flyback}"
case "$program" in
  flyback)   folder=Flyback;   targets=(flyback flyback-calc) ;;
  boostcoil) folder=Boostcoil; targets=(Boostcoil boostcoil-calc) ;;
  *) echo "usage: $0 [flyback|boostcoil]" >&2; exit 2 ;;
esac

cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc 2>/dev/null || echo 2)" --target "${targets[@]}"

cd "build/root/$folder"
binary="./$(basename "${targets[0]}")"
if [ ! -x "$binary" ]; then
  echo "$binary was not built" >&2
  exit 1
fi
exec "$binary"
