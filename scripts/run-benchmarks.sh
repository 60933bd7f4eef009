#!/bin/sh
# Runs every benchmark built in the build folder.
set -eu
BUILD=${1:-build}
for b in "$BUILD"/bench/*_bench; do
  [ -x "$b" ] || continue
  echo "== $b"
  "$b"
done
