#!/bin/bash
# The whole program on real training logs, with real input events: a metric
# and every mode; a press on the plot shows the value panel and the release
# hides it; the legend opens the year pick list, which keeps the wheel to
# itself, hides a year and shows it again by Space and closes on Esc; a drag
# zooms, the reverse drag undoes, a right drag pans, the wheel scrolls. Every
# check is a pixel probe of colour or place.
set -euo pipefail
source "$(dirname "$0")/window_helpers.sh"
logs=$2
probe=$3

start_window "$logs"/*.csv
sleep 1
# Each capture gets its own file (shot runs in a subshell: no counter survives).
shot() { local f; f=$(mktemp -p "$work" --suffix=.png); sleep 1.5; kill -0 $pid; import -window "$window" "$f"; echo "$f"; }
# True when two captures show the same chart (the lists above it may differ in
# focus and hover look).
same_chart() {
  convert "$1" -crop 939x498+0+48 +repage "$work/a.png"
  convert "$2" -crop 939x498+0+48 +repage "$work/b.png"
  [ "$(compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1)" = "0" ]
}
# The pointer off the plot, so no hover help covers what is compared.
still() { xdotool mousemove --window "$window" 900 625; shot; }
# The chart fills the window below the lists (from row 48) down to the file
# pane's status line; the legend is its bottom band, under the plot and the
# axis labels.
plot="0 48 938 545"
legend="0 496 938 545"
count() { "$probe" "$1" count "$2" $plot; }

# The load has drawn the running distance; then a metric: the next entry of
# the totals list in front (left 176, top 8, 200 x 26).
[ "$(count "$(still)" ff0000)" -gt 20 ] || fail "no chart after the load"
xdotool mousemove --window "$window" 250 21 click 1
xdotool key Down
[ "$(count "$(still)" ff0000)" -gt 20 ] || fail "no chart after picking a metric"
# Every further mode (mode list: left 392, top 8), each drawn in the year colours.
# Each evaluation gives the chart the focus: click the list before each key.
xdotool mousemove --window "$window" 450 21 click 1
xdotool key Up Up Up Up Up # back to the first mode
for mode in 1 2 3 4 5; do
  xdotool mousemove --window "$window" 450 21 click 1
  xdotool key Down
  [ "$(count "$(still)" ff0000)" -gt 0 ] || fail "mode $mode shows no red year"
done

# Press on the plot: the panel (its pale blue face) 40 px above the pointer.
xdotool mousemove --window "$window" 300 300 mousedown 1
pressed=$(shot)
xdotool mouseup 1
released=$(shot)
face=b9d1ea
# The pointer at chart pixel (298, 252): the panel's top left corner at (298, 212),
# that is (300, 260) in the window. Probe just inside its corner and just above it.
[ "$("$probe" "$pressed" at 306 266)" = "$face" ] || fail "no value panel above the pointer"
[ "$("$probe" "$pressed" at 306 256)" != "$face" ] || fail "the value panel is not 40 px above the pointer"
[ "$("$probe" "$released" at 306 266)" != "$face" ] || fail "the value panel stays after the release"

# The legend below the plot: the first year's symbol is red.
before=$(still)
read -r lx ly < <("$probe" "$before" locate ff0000 $legend) || fail "no legend symbol"
lime_before=$(count "$before" 00ff00)
[ "$lime_before" -gt 0 ] || fail "the second year is not drawn"
xdotool mousemove --window "$window" "$lx" "$ly" click 1
listed=$(shot)
list() { "$probe" "$1" count bfcddb $plot; }
[ "$(list "$listed")" -gt 500 ] || fail "no year pick list after a legend click"
xdotool mousemove --window "$window" $((lx + 20)) $((ly - 30)) click 5 click 5
same_chart "$listed" "$(shot)" || fail "the wheel over the pick list moved the chart"
# The list opens above the click, as tall as its eight rows of 13 px; its
# second entry is the second year.
xdotool mousemove --window "$window" $((lx + 20)) $((ly - 6 * 13 - 7)) click 1
hidden=$(still)
[ "$(count "$hidden" 00ff00)" -eq 0 ] || fail "the hidden year is still drawn"
# Space toggles the current entry, the one picked, and leaves the list open;
# Esc closes it, and the chart has the keyboard: Right marks a day.
read -r lx ly < <("$probe" "$hidden" locate ff0000 $legend) || fail "no legend after hiding"
xdotool mousemove --window "$window" "$lx" "$ly" click 1 sleep 1 key space
shown=$(shot)
[ "$(count "$shown" 00ff00)" -gt 100 ] && [ "$(list "$shown")" -gt 500 ] || fail "Space: no year back in an open list"
xdotool key Escape sleep 1 key Right
keyed=$(shot)
[ "$(list "$keyed")" -eq 0 ] || fail "Esc left the pick list open"
[ "$("$probe" "$keyed" count ffffe1 $plot)" -gt 500 ] || fail "Right after Esc marked no day: the chart lost the keyboard"

# Zoom in with a drag right and down, back with a drag left and up.
start=$(still)
xdotool mousemove --window "$window" 250 150 mousedown 1 mousemove --window "$window" 300 200 \
        mousemove --window "$window" 450 330 mouseup 1
zoomed=$(still)
same_chart "$start" "$zoomed" && fail "the drag did not zoom"
xdotool mousemove --window "$window" 450 330 mousedown 1 mousemove --window "$window" 400 300 \
        mousemove --window "$window" 250 150 mouseup 1
same_chart "$start" "$(still)" || fail "the reverse drag did not restore the chart"
# Pan with the right button, then turn the wheel.
xdotool mousemove --window "$window" 300 300 mousedown 3 mousemove --window "$window" 320 310 \
        mousemove --window "$window" 360 330 mouseup 3
panned=$(still)
same_chart "$start" "$panned" && fail "the right drag did not pan"
xdotool mousemove --window "$window" 400 300 click 5
same_chart "$panned" "$(still)" && fail "the wheel did not scroll"
echo "all checks passed"
