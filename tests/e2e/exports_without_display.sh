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

# A refused run ends with 2 and a message, and leaves its target as it was
# and no temporary file; `full` runs as on a nearly full disk (4 KiB left).
state() { { stat -c %F "$1" && cat "$1"; } 2>/dev/null | md5sum; }
full() { ( trap '' XFSZ; ulimit -f 4; run "$@" ); }
expect_refusal() {
  local target=$1; shift
  local before; before=$(state "$target")
  "$@" 2>"$out/stderr"
  local status=$?
  [ $status -eq 2 ] || fail "expected exit 2 for '$*', got $status"
  [ -s "$out/stderr" ] || fail "no message for '$*'"
  [ "$(state "$target")" = "$before" ] || fail "'$target' changed by '$*'"
  [ -z "$(find "$out" -name '.*.??????')" ] || fail "temporary files left by '$*'"
}
cp "$samples/2011.csv" "$out/same.csv"
ln -s same.csv "$out/link.csv"
mkdir "$out/folder"
expect_refusal "$out/bad.csv" run --mode 0 --metric 99 --export-csv "$out/bad.csv" "$samples/2011.csv"
expect_refusal "$out/bad.png" run --mode 7 --export-png "$out/bad.png" "$samples/2011.csv"
expect_refusal "$out/no/such/dir/x.png" run --export-png "$out/no/such/dir/x.png" "$samples/2011.csv"
expect_refusal "$out/d.csv" run --compare-at 100 --mode 1 --export-csv "$out/d.csv" "$samples/2011.csv"
expect_refusal "$out/e.png" run --mode 0 --export-png "$out/e.png" --export-csv "" "$samples/2011.csv"
expect_refusal "$out/same.csv" run --mode 0 --export-csv "$out/same.csv" "$out/same.csv"
expect_refusal "$out/same.csv" run --mode 0 --export-png "$out/link.csv" "$out/same.csv"
expect_refusal "$out/folder" run --mode 0 --export-csv "$out/folder" "$samples/2011.csv"
expect_refusal "$out/full.csv" full --mode 3 --metric 1 --export-csv "$out/full.csv" "$samples/2011.csv"
grep -qF "cannot write '$out/full.csv'" "$out/stderr" || fail "no message naming the file: $(cat "$out/stderr")"
expect_refusal "$out/full.png" full --mode 3 --metric 1 --export-png "$out/full.png" "$samples"/*.csv
expect_refusal "$out/fresh.png" run --mode 0 --export-png "$out/fresh.png" --export-csv "$out/folder" "$samples/2011.csv"

# A pipe or standard output is written into, as "cat >" would, not replaced.
run --mode 0 --export-csv "$out/ref.csv" "$samples/2011.csv" || fail "export exited with $?"
mkfifo "$out/pipe"
timeout 20 cat "$out/pipe" >"$out/piped.csv" &
run --mode 0 --export-csv "$out/pipe" "$samples/2011.csv" || fail "export into a pipe exited with $?"
wait
[ -p "$out/pipe" ] && cmp -s "$out/piped.csv" "$out/ref.csv" || fail "the pipe was not written into"
for target in - /dev/stdout; do
  run --mode 0 --export-csv $target "$samples/2011.csv" | cmp -s - "$out/ref.csv" || fail "$target differs"
done
# Runs that only write files keep no settings: a script gives the same every time.
[ ! -e "$out/config" ] || fail "settings written"
echo ok
