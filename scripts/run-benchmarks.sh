#!/bin/sh
# Runs every benchmark built in the build folder.
set -eu
BUILD=${1:-build}
for b in "$BUILD"/bench/*_bench; do
  [ -x "$b" ] || continue
  echo "== $b"
  "$b"
done
# Whole processes: the report, the form sheet as SVG, PDF and PNG.
echo "== scripts/bench-whole-runs.sh"
"$(dirname "$0")/bench-whole-runs.sh" "$BUILD"
