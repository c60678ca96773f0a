#!/bin/bash
# Imports the real Garmin and Runkeeper exports on the command line: the
# chart drawn from an import equals the chart of the year files --convert-to
# writes, --list-sports counts the sports, and bad requests exit with 2.
set -uo pipefail
source "$(dirname "$0")/headless_helpers.sh"
data=$2

garmin=$data/garmin/Activities.csv
runkeeper=$data/runkeeper/cardioActivities.csv

run --import "$garmin" --list-sports >"$out/sports" || fail "--list-sports exited with $?"
grep -qxP 'Running\t774' "$out/sports" || fail "sports: $(cat "$out/sports")"
[ "$(wc -l <"$out/sports")" -eq 4 ] || fail "expected 4 sports: $(cat "$out/sports")"
# The same export twice: every workout counted once, and the pane says so.
run --import "$garmin" --import "$garmin" --list-sports >"$out/twice" 2>"$out/stderr" || fail "twice exited with $?"
cmp -s "$out/sports" "$out/twice" || fail "twice: $(cat "$out/twice")"
grep -q "1131 Einheiten doppelt" "$out/stderr" || fail "no note on duplicates: $(cat "$out/stderr")"

round_trip() {
  local name=$1 export=$2 mode=$3 metric=$4; shift 4
  run --import "$export" "$@" --mode "$mode" --metric "$metric" --export-csv "$out/$name-import.csv" 2>"$out/stderr" \
    || fail "$name: import exited with $?: $(cat "$out/stderr")"
  run --import "$export" "$@" --convert-to "$out/$name" || fail "$name: --convert-to exited with $?"
  ls "$out/$name"/*.csv >/dev/null || fail "$name: no year files written"
  run --mode "$mode" --metric "$metric" --export-csv "$out/$name-files.csv" "$out/$name"/*.csv \
    || fail "$name: loading the year files exited with $?"
  cmp -s "$out/$name-import.csv" "$out/$name-files.csv" || fail "$name: charts differ"
  grep -q '^1;' "$out/$name-import.csv" || fail "$name: no year in the chart"
}
round_trip garmin-default "$garmin" 4 1
round_trip garmin-all "$garmin" 0 0 --sport Running --sport 'Trail Running' --sport 'Treadmill Running' \
  --sport 'Ultra Running' --years 2019-2026
# A kind's name means all its types.
run --import "$garmin" --sport running --years 2019-2026 --mode 0 --metric 0 --export-csv "$out/kind.csv" 2>/dev/null
cmp -s "$out/kind.csv" "$out/garmin-all-import.csv" || fail "--sport running differs from its four types"
round_trip runkeeper-cycling "$runkeeper" 5 0 --sport Cycling --years 2012-2016
[ "$(ls "$out/runkeeper-cycling" | wc -l)" -eq 3 ] || fail "runkeeper years: $(ls "$out/runkeeper-cycling")"
grep -q "anderer Sportarten ausgelassen" "$out/stderr" || fail "no note on the sports left out: $(cat "$out/stderr")"

# An export named without --import is imported as --import imports it, with a
# line on stderr; beside year files it is refused, as --import refuses them.
run --mode 4 --metric 1 --export-csv "$out/garmin-named.csv" "$garmin" 2>"$out/stderr" \
  || fail "export named without --import exited with $?: $(cat "$out/stderr")"
cmp -s "$out/garmin-named.csv" "$out/garmin-default-import.csv" || fail "a named export is not imported as --import does"
grep -q "workout export (Garmin Connect), not a year file" "$out/stderr" || fail "no line on the import: $(cat "$out/stderr")"

expect_refusal() {
  run "$@" >/dev/null 2>"$out/stderr"
  local status=$?
  [ $status -eq 2 ] || fail "expected exit 2 for '$*', got $status"
  [ "$(wc -l <"$out/stderr")" -ge 1 ] || fail "no message for '$*'"
}
expect_refusal --import "$out/missing.csv" --list-sports
expect_refusal --import "$out" --list-sports
printf 'PK\003\004broken' >"$out/broken.zip"
expect_refusal --import "$out/broken.zip" --list-sports
! grep -q '^kaldoro: : ' "$out/stderr" || fail "a line names no file: $(cat "$out/stderr")"
expect_refusal --import "$garmin" --sport Rowing --convert-to "$out/none"
expect_refusal --import "$garmin" --years 2030-2019 --convert-to "$out/none"
expect_refusal --import "$garmin" --years 1990-1995 --convert-to "$out/none"
expect_refusal --sport Running "$garmin"
expect_refusal --import "$garmin" "$garmin"
printf 'Date,Type,Duration,Distance (km)\nyesterday,Running,1:00:00,5\n' >"$out/undated.csv"
expect_refusal --import "$out/undated.csv" --list-sports
grep -q "keine Einheit lesbar: 1 Zeile ohne lesbares Datum" "$out/stderr" || fail "no reason: $(cat "$out/stderr")"
expect_refusal --export-csv "$out/none.csv" "$garmin" "$(ls "$out/garmin-all"/*.csv | head -n 1)"
[ ! -e "$out/none.csv" ] || fail "a refused mix of an export and year files wrote its output"
expect_refusal --import "$garmin" --convert-to ""
expect_refusal --import "$garmin" --convert-to "$out/none" --mode 0 --metric 99 --export-csv "$out/none.csv"
( trap '' XFSZ; ulimit -f 4; expect_refusal --import "$garmin" --convert-to "$out/none" )
[ ! -e "$out/none" ] || fail "a refused run left a folder behind"
# The export itself is never overwritten by one of its year files.
mkdir "$out/g" && cp "$garmin" "$out/g/2023.csv"
expect_refusal --import "$out/g/2023.csv" --convert-to "$out/g"
cmp -s "$garmin" "$out/g/2023.csv" && [ "$(ls -A "$out/g")" = 2023.csv ] || fail "year files written beside the export"
# Runs that only write files keep no settings: a script gives the same every time.
[ ! -e "$out/config" ] || fail "settings written"
echo ok
