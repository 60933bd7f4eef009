#!/bin/sh
# Times the "/I" batch job as a whole process (executable start included) with hyperfine,
# next to /bin/true as the machine's cost of starting any process.
set -eu
BUILD=${1:-build}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
EXE="$ROOT/$BUILD/wzel3"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ROOT/data/examples/kugel_kugel.zl3" "$work/"
cd "$work"
export ZEL3_HOME="$work" TEMP="$work"
if command -v hyperfine >/dev/null 2>&1; then
  hyperfine -N --warmup 5 --runs 100 '/bin/true' "$EXE kugel_kugel.zl3 /I /NOGUI"
else
  n=200
  start=$(date +%s%N)
  i=0
  while [ $i -lt $n ]; do "$EXE" kugel_kugel.zl3 /I /NOGUI; i=$((i + 1)); done
  end=$(date +%s%N)
  echo "wzel3 kugel_kugel.zl3 /I: $(( (end - start) / n / 1000 )) us per run (shell loop)"
fi
