#!/bin/bash
# Opens the year pick list with a real click on the legend of mode 4 of the
# sample files, then: the wheel over the list must leave the chart as it
# was, Space must hide the first year with the list still open, Esc must
# close the list and give the keyboard to the chart, whose Right key then
# shows the comparison box.
set -euo pipefail
kaldoro=$1
samples=$2
probe=$3
checker=$4
shots=$(mktemp -d)

"$kaldoro" --mode 4 --metric 1 "$samples"/*.csv &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$shots"' EXIT

window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Kaldoro' | head -n 1)
xdotool mousemove --window "$window" 900 25
sleep 2
eval "$(xdotool getwindowgeometry --shell "$window")"
shot() { sleep 1; import -window "$window" "$shots/$1.png"; kill -0 $pid || { echo "kaldoro has exited" >&2; exit 1; }; }
fail() { echo "FAIL: $*" >&2; exit 1; }

# The legend lies below the plot; its first swatch is the red of 2009.
shot before
read -r lx ly < <("$probe" "$shots/before.png" locate ff0000 0 $((HEIGHT - 50)) $((WIDTH - 1)) $((HEIGHT - 1)))
xdotool mousemove --window "$window" "$lx" "$ly" click 1
shot open
# The list opens above the click; right of the years lies its background.
list=$("$probe" "$shots/open.png" at $((lx + 90)) $((ly - 6)))
[ "$list" != "$("$probe" "$shots/before.png" at $((lx + 90)) $((ly - 6)))" ] || fail "no list at $lx $ly"

xdotool mousemove --window "$window" $((lx + 30)) $((ly - 20)) click 5 click 5 click 5
shot wheeled
changed=$(compare -metric AE "$shots/open.png" "$shots/wheeled.png" null: 2>&1 || true)
[ "${changed%% *}" = "0" ] || fail "the wheel over the list changed $changed pixels"

plot="0 50 $((WIDTH - 1)) $((HEIGHT - 80))"
# shellcheck disable=SC2086
[ "$("$probe" "$shots/open.png" count ff0000 $plot)" -gt 1000 ] || fail "2009 not drawn"
xdotool key space
shot toggled
# Only the list's swatch of 2009 stays red.
# shellcheck disable=SC2086
[ "$("$probe" "$shots/toggled.png" count ff0000 $plot)" -lt 100 ] || fail "Space did not hide 2009"
[ "$("$probe" "$shots/toggled.png" at $((lx + 90)) $((ly - 6)))" = "$list" ] || fail "Space closed the list"

xdotool key Escape
shot closed
[ "$("$probe" "$shots/closed.png" at $((lx + 90)) $((ly - 6)))" != "$list" ] || fail "Esc left the list open"
xdotool key Right
for attempt in 1 2 3; do
  shot keyed
  "$checker" "$shots/keyed.png" 400 inbox:00ff00:50 >/dev/null && exit 0
done
fail "Right after Esc showed no comparison: the chart has no focus"
