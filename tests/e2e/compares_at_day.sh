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

# Refused: a day outside the year, no mode, and the mode whose x is no day.
for args in "--mode 4 --compare-at 367" "--mode 4 --compare-at x" "--compare-at 10" "--mode 1 --compare-at 10"; do
  # shellcheck disable=SC2086
  run $args "$samples/2011.csv" >"$out/stdout" 2>"$out/stderr"
  status=$?
  [ $status -eq 2 ] || fail "expected exit 2 for '$args', got $status"
  [ -s "$out/stderr" ] || fail "no message for '$args'"
done
echo ok
