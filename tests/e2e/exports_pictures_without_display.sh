#!/bin/bash
# The chart's pictures from the command line, without any display: a PNG at
# a scale (the same layout, N times the pixels), an SVG and a one-page PDF;
# bad values and unwritable files end with exit code 2 and nothing behind.
set -uo pipefail
source "$(dirname "$0")/headless_helpers.sh"
samples=$2
png_size() { identify -format '%w %h' "$1"; }

run --mode 3 --metric 1 --export-png "$out/one.png" "$samples"/*.csv || fail "1x export exited with $?"
run --mode 3 --metric 1 --export-png "$out/two.png" --scale 2 --export-svg "$out/chart.svg" \
    --export-pdf "$out/chart.pdf" "$samples"/*.csv || fail "export exited with $?"

read -r w h <<<"$(png_size "$out/one.png")"
[ "$(png_size "$out/two.png")" = "$((2 * w)) $((2 * h))" ] || fail "--scale 2 gave $(png_size "$out/two.png") for $w x $h"
# The same picture, finer: shrunk back it matches the 1x one nearly everywhere
# (only text is drawn differently at the finer size).
convert "$out/two.png" -sample 50% "$out/half.png"
differing=$(compare -metric AE "$out/half.png" "$out/one.png" null: 2>&1 || true)
[ "${differing%%.*}" -lt $((w * h / 20)) ] || fail "--scale 2 differs from 1x in $differing pixels"

grep -q '<svg' "$out/chart.svg" || fail "no SVG element"
grep -q "viewBox=\"0 0 $w $h\"" "$out/chart.svg" || fail "SVG is not the chart's size"
[ "$(head -c 4 "$out/chart.pdf")" = "%PDF" ] || fail "not a PDF"
[ "$(grep -a -c -E '/Type ?/Page([^s]|$)' "$out/chart.pdf")" -eq 1 ] || fail "PDF has not one page"

expect_refusal() {
  local target=$1; shift
  run "$@" 2>"$out/stderr"
  local status=$?
  [ $status -eq 2 ] || fail "expected exit 2 for '$*', got $status"
  [ -s "$out/stderr" ] || fail "no message for '$*'"
  [ ! -e "$target" ] || fail "'$target' was left behind"
}
expect_refusal "$out/big.png" --export-png "$out/big.png" --scale 5 "$samples/2011.csv"
expect_refusal "$out/s.svg" --export-svg "$out/s.svg" --scale 2 "$samples/2011.csv"
expect_refusal "$out/no/dir/s.svg" --export-svg "$out/no/dir/s.svg" "$samples/2011.csv"
expect_refusal "$out/no/dir/d.pdf" --export-pdf "$out/no/dir/d.pdf" "$samples/2011.csv"
echo ok
