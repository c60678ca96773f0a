#!/bin/bash
# The picture and data exports run without any display, write whole files,
# and refuse bad input with exit code 2 and nothing left behind.
set -uo pipefail
source "$(dirname "$0")/headless_helpers.sh"
samples=$2

run --mode 3 --metric 1 --export-png "$out/chart.png" --export-csv "$out/chart.csv" "$samples"/*.csv \
  || fail "export exited with $?"
[ -s "$out/chart.png" ] || fail "no picture"
[ "$(head -c 8 "$out/chart.png" | od -An -tx1 | tr -d ' ')" = "89504e470d0a1a0a" ] || fail "not a PNG"
head -n 1 "$out/chart.csv" | grep -qx '0;;0;0;            Januar' || fail "first line: $(head -n 1 "$out/chart.csv")"
for series in 1 2 3 4; do
  grep -q "^$series;20[01][0-9];" "$out/chart.csv" || fail "series $series missing"
done
! grep -q '^5;' "$out/chart.csv" || fail "series 5 has points without a fifth year"

# A file that cannot be opened is reported by the loader, not an error;
# without a window the file pane's lines go to stderr.
run --mode 0 --export-csv "$out/partial.csv" "$out/missing.csv" "$samples/2011.csv" 2>"$out/stderr" \
  || fail "missing input file stopped the export"
grep -q '^1;2011;' "$out/partial.csv" || fail "2011 not exported after a missing file"
grep -qx "kaldoro: $out/missing.csv" "$out/stderr" || fail "stderr does not name the missing file: $(cat "$out/stderr")"
grep -qx 'kaldoro:     -> Datei kann nicht geöffnet werden, übersprungen.' "$out/stderr" \
  || fail "stderr does not say the file was skipped: $(cat "$out/stderr")"

expect_refusal() {
  local target=$1; shift
  run "$@" 2>"$out/stderr"
  local status=$?
  [ $status -eq 2 ] || fail "expected exit 2 for '$*', got $status"
  [ -s "$out/stderr" ] || fail "no message for '$*'"
  [ ! -e "$target" ] || fail "'$target' was left behind"
}
expect_refusal "$out/bad.csv" --mode 0 --metric 99 --export-csv "$out/bad.csv" "$samples/2011.csv"
expect_refusal "$out/bad.png" --mode 7 --export-png "$out/bad.png" "$samples/2011.csv"
expect_refusal "$out/no/such/dir/x.png" --export-png "$out/no/such/dir/x.png" "$samples/2011.csv"
echo ok
