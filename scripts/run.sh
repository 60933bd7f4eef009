#!/bin/sh
# Starts ZEL3 from the build folder. Without a display it shows the batch report of an
# example project instead, so the command still shows what the program computes.
set -eu
BUILD=${1:-build}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
EXE="$ROOT/$BUILD/wzel3"
EXAMPLE="$ROOT/data/examples/kugel_kugel.zl3"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  if [ -f "$EXAMPLE" ]; then exec "$EXE" "$EXAMPLE"; fi
  exec "$EXE"
fi

echo "No display found: running the batch report of an example instead."
if [ -f "$EXAMPLE" ]; then
  work=$(mktemp -d)
  cp "$EXAMPLE" "$work/"
  cd "$work"
  ZEL3_HOME="$work" "$EXE" kugel_kugel.zl3 /I /NOGUI
  cat kugel_kugel.txt
else
  "$EXE" --help
fi
