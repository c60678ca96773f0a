#!/bin/bash
# --compare-at prints the years' values at a day without a display, the
# same values the data export holds, and refuses what it cannot answer.
set -uo pipefail
source "$(dirname "$0")/headless_helpers.sh"
samples=$2

# Running distance ("Strecke  [km]") on day 100, and the points behind it.
run --mode 4 --metric 1 --compare-at 100 --export-csv "$out/chart.csv" "$samples"/*.csv >"$out/lines" \
  || fail "exited with $?"
[ "$(head -n 1 "$out/lines")" = "Tag 100" ] || fail "heading: $(head -n 1 "$out/lines")"
[ "$(wc -l <"$out/lines")" -eq 5 ] || fail "expected 5 lines: $(cat "$out/lines")"
previous=""
for series in 1 2 3 4; do
  line=$(sed -n "$((series + 1))p" "$out/lines")
  y=$(awk -F';' -v s="$series" '$1 == s && $3 == 100 { print $4 }' "$out/chart.csv")
  year=$(awk -F';' -v s="$series" '$1 == s { print $2; exit }' "$out/chart.csv")
  value=$(awk -v y="$y" 'BEGIN { printf(y < 10 ? "%.3f [km]" : "%.1f [km]", y) }')
  [ "$(cut -f1 <<<"$line")" = "$year" ] || fail "series $series: '$line' is not year $year"
  [ "$(cut -f2 <<<"$line")" = "$value" ] || fail "series $series: '$line', the export says $y"
  if [ -n "$previous" ]; then
    difference=$(awk -v a="$y" -v b="$previous" 'BEGIN { d = a - b; s = d < 0 ? "−" : "+"; d = d < 0 ? -d : d;
      printf(d < 10 ? "%s%.3f" : "%s%.1f", s, d) }')
    [ "$(cut -f3 <<<"$line")" = "$difference" ] || fail "series $series: '$line', difference $difference"
  fi
  previous=$y
done

# A year not over yet ends at its last dated row: 2012 cut after April,
# taken as running by --today. Past that row it has no value, no point in
# the export, and no difference is taken against it.
{ head -n 3 "$samples/2012.csv"; awk -F';' 'NR > 3 && $1 > 20120100 && $1 < 20120501' "$samples/2012.csv"
  tail -n 3 "$samples/2012.csv"; } >"$out/2012.csv"
last=$(awk -F';' 'NR > 3 && $1 > 20120100 { d = $1 } END { print d }' "$out/2012.csv")
run --today 2012-06-01 --mode 4 --metric 1 --compare-at 200 --export-csv "$out/cut.csv" \
  "$out/2012.csv" "$samples/2011.csv" >"$out/lines" || fail "exited with $?"
[ "$(sed -n 2p "$out/lines")" = "2012	—" ] || fail "running year at day 200: $(sed -n 2p "$out/lines")"
[ "$(sed -n 3p "$out/lines" | cut -f3)" = "" ] || fail "difference to an ended year: $(sed -n 3p "$out/lines")"
lastx=$(awk -F';' '$1 == 1 { x = $3 } END { print x }' "$out/cut.csv")
[ "$lastx" = "$((10#$(date -d "$last" +%j)))" ] || fail "the export runs to day $lastx, the last row is $last"
run --today 2013-01-01 --mode 4 --metric 1 --compare-at 200 "$out/2012.csv" >"$out/lines"
[ "$(sed -n 2p "$out/lines" | cut -f2)" != "—" ] || fail "a past year must run to 31 December"

# Refused: a day outside the year, no mode, the mode whose x is no day, no date.
for args in "--mode 4 --compare-at 367" "--mode 4 --compare-at x" "--compare-at 10" "--mode 1 --compare-at 10" \
  "--today 2012-13-01" "--today heute"; do
  # shellcheck disable=SC2086
  run $args "$samples/2011.csv" >"$out/stdout" 2>"$out/stderr"
  status=$?
  [ $status -eq 2 ] || fail "expected exit 2 for '$args', got $status"
  [ -s "$out/stderr" ] || fail "no message for '$args'"
done
echo ok
