#!/bin/sh
# Every window of both programs, in both languages, on a 1366x768 screen at 100 % and on a
# 1920x1080 screen at 150 % and 200 %, drawn to <output>/<lang>-<setting>-<program>-<window>.png:
#   scripts/screenshots.sh [<build folder>] [<output folder>]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
out=${2:-/tmp/shots}
mkdir -p "$out"
screens=$here/tests/support/screens
for lang in ru en; do
  for setting in 1366x768:1:100 1920x1080:1.5:150 1920x1080:2:200; do
    size=${setting%%:*}
    rest=${setting#*:}
    scale=${rest%%:*}
    name=${rest#*:}
    for program in flyback boostcoil; do
      MAGNETICS_LANG=$lang QT_SCALE_FACTOR=$scale \
      QT_QPA_PLATFORM=offscreen:configfile=$screens/screen$size.json \
        "$build/$program/ui/$program-screenshot" --all "$build/root" "$out/$lang-$size-$name-$program-"
    done
  done
done
