#!/bin/sh
# Times the form sheet written as SVG, PDF and PNG ("/CAD6:3", "/CAD7:3", "/CAD8:3") as whole
# processes with hyperfine: wzel3 starting, handing over to wzel3_window, which paints offscreen.
set -eu
BUILD=${1:-build}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
EXE="$ROOT/$BUILD/wzel3"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ROOT/data/examples/kugel_kugel.zl3" "$work/"
cd "$work"
export ZEL3_HOME="$work" TEMP="$work"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM || true
if command -v hyperfine >/dev/null 2>&1; then
  hyperfine -N --warmup 3 --runs 30 \
    "$EXE kugel_kugel.zl3 /CAD6:3 /NOGUI" \
    "$EXE kugel_kugel.zl3 /CAD7:3 /NOGUI" \
    "$EXE kugel_kugel.zl3 /CAD8:3 /NOGUI"
else
  for kind in 6 7 8; do
    n=30
    start=$(date +%s%N)
    i=0
    while [ $i -lt $n ]; do "$EXE" kugel_kugel.zl3 /CAD$kind:3 /NOGUI; i=$((i + 1)); done
    end=$(date +%s%N)
    echo "wzel3 kugel_kugel.zl3 /CAD$kind:3: $(( (end - start) / n / 1000000 )) ms per run"
  done
fi
