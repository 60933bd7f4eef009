#!/bin/sh
# Times batch jobs as whole processes with hyperfine, executable start included: the "/I"
# report (core only) and the form sheet as SVG, PDF and PNG ("/CAD6:3" to "/CAD8:3": wzel3
# handing over to wzel3_picture, which paints offscreen). /bin/true shows the machine's cost of
# starting any process. The picture jobs grow with the fonts installed: fontconfig reads every
# font's cache at the start and every font it matches is weighed against all of them (a clean
# Debian 12 with ZEL3's packages has about 30 fonts; a desktop with TeX or Ghostscript fonts,
# a few hundred).
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
hyperfine -N --warmup 5 --runs 50 \
  '/bin/true' \
  "$EXE kugel_kugel.zl3 /I /NOGUI" \
  "$EXE kugel_kugel.zl3 /CAD6:3 /NOGUI" \
  "$EXE kugel_kugel.zl3 /CAD7:3 /NOGUI" \
  "$EXE kugel_kugel.zl3 /CAD8:3 /NOGUI"
