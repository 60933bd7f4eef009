#!/bin/sh
# Runs every fuzz target of a fuzz build for a bounded time each, starting from its seed
# corpus in fuzz/corpus/<target>/. New inputs go to a scratch corpus in the build folder, so
# the seeds in the repository stay as they are. A crash, hang, leak or undefined behaviour
# stops the run; the input is left in <build>/fuzz/ as crash-*, timeout-* or leak-*.
#   scripts/run-fuzzers.sh [build-folder] [seconds-per-target] [target...]
set -eu
BUILD=${1:-build-fuzz}
SECONDS_EACH=${2:-30}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT/$BUILD/fuzz"
[ $# -ge 2 ] && shift 2 || shift $#
TARGETS=${*:-$(cd "$ROOT/fuzz" && ls -- *_fuzz.cpp | sed 's/\.cpp$//')}

export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
failed=""
for t in $TARGETS; do
  seeds="$ROOT/fuzz/corpus/$t"
  work="corpus-$t"
  mkdir -p "$work" "$seeds"
  echo "== $t: $SECONDS_EACH s"
  # -timeout: one input may take 10 s at most; -rss_limit_mb: no input may eat the machine.
  if ! "./$t" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 \
      -max_len=65536 -print_final_stats=1 "$work" "$seeds" > "fuzz-$t.log" 2>&1; then
    failed="$failed $t"
    tail -40 "fuzz-$t.log"
  else
    grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units|Done )' "fuzz-$t.log" | tail -2
  fi
done
if [ -n "$failed" ]; then
  echo "Fuzz findings in:$failed (inputs in $BUILD/fuzz/)"
  exit 1
fi
echo "No findings."
