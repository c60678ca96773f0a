#!/bin/bash
# Starts the real program without files in an X server: a hint stands in the
# chart's place. Then drops thirteen real year files on its window from
# another program (a drag source window) with real mouse events: a press in
# the source, moves across to Kaldoro, a release there, so the files travel
# by the X drag-and-drop protocol as from a file manager. The lists and the
# chart of the latest eight years must appear at once; the year pick list
# refuses a ninth year, and swaps one in once a year is hidden. Then the
# keys: F1 opens the help window, Esc closes it.
set -euo pipefail
source "$(dirname "$0")/window_helpers.sh"
samples=$2
source_program=$3
probe=$4
checker=$5

start_window
sleep 1

# White pixels of the mode list's text field (left 392, top 8, 225 x 26):
# none while the lists are hidden over the gray window.
list_pixels() {
  import -window "$window" "$work/$1.png"
  "$probe" "$work/$1.png" count ffffff 400 12 600 30
}
before=$(list_pixels before)
echo "white pixels where the mode list appears: $before before the drop"
[ "$before" -lt 50 ] || { echo "the lists show before any load" >&2; exit 1; }
# The hint in the chart's place is light gray, the window darker.
[ "$("$probe" "$work/before.png" count c0c0c0 5 45 933 545)" -gt 100000 ] || { echo "no hint at the start" >&2; exit 1; }

LSAN_OPTIONS="suppressions=$(dirname "$0")/drag_source.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}" \
  "$source_program" "$samples"/*.csv > "$work/source.txt" &
stop_at_exit $!
source_window=$(timeout 60 xdotool search --sync --onlyvisible --name '^drag-source$' | head -n 1)
sleep 1

# Press in the source, then move by hand-sized steps onto Kaldoro's file pane.
eval "$(xdotool getwindowgeometry --shell "$source_window")"
x0=$((X + 80)); y0=$((Y + 60))
eval "$(xdotool getwindowgeometry --shell "$window")"
x1=$((X + 400)); y1=$((Y + 300))
xdotool mousemove "$x0" "$y0" mousedown 1
for step in 1 2 3 4 5 6 7 8 9 10; do
  sleep 0.2
  xdotool mousemove $((x0 + (x1 - x0) * step / 10)) $((y0 + (y1 - y0) * step / 10))
done
sleep 0.5
xdotool mousemove $((x1 + 2)) $((y1 + 2))
sleep 0.5
xdotool mouseup 1
for attempt in $(seq 60); do
  [ -s "$work/source.txt" ] && break
  sleep 0.5
done
echo "drag source: $(cat "$work/source.txt")"
[ "$(cat "$work/source.txt")" = copy ] || { echo "Kaldoro did not take the drop" >&2; exit 1; }

for attempt in 1 2 3 4 5; do
  sleep 1
  kill -0 $pid || { echo "kaldoro has exited" >&2; exit 1; }
  after=$(list_pixels after)
  echo "white pixels of the mode list after the drop: $after"
  [ "$after" -ge 1000 ] && break
  [ $attempt -lt 5 ] || { echo "the lists did not appear" >&2; exit 1; }
done

plot="0 48 938 545"
legend="0 496 938 545"
count() { "$probe" "$1" count "$2" $plot; }
still() { local f=$work/$1.png; xdotool mousemove --window "$window" 900 625; sleep 1.5; import -window "$window" "$f"; echo "$f"; }
# The latest eight years (2010 to 2017) in their colours, with no list touched.
for attempt in 1 2 3 4 5; do
  sleep 1
  import -window "$window" "$work/chart.png"
  "$checker" "$work/chart.png" 400 ff0000:50 00ff00:50 0000ff:50 800000:50 008000:50 00ffff:50 && break
  [ $attempt -lt 5 ] || fail "the dropped years are not drawn at once"
done
# The pick list opens above the first legend item with all thirteen years of
# 13 px, in slot order: 2005 to 2009 unchecked, 2010 (red) the sixth row.
row() { echo $(($2 - (12 - $1) * 13 - 7)); }
pick() { # row, colour of the first legend item
  local lx ly
  read -r lx ly < <("$probe" "$(still legend)" locate "$2" $legend) || fail "no legend item in $2"
  xdotool mousemove --window "$window" "$lx" "$ly" click 1 sleep 1
  xdotool mousemove --window "$window" $((lx + 20)) "$(row "$1" "$ly")" click 1
}
pick 0 ff0000 # 2005: a ninth year, refused
[ "$(count "$(still refused)" ff0000)" -gt 50 ] || fail "the refused pick changed the chart"
pick 5 ff0000 # 2010 hidden
[ "$(count "$(still hidden)" ff0000)" -eq 0 ] || fail "2010 is still drawn"
pick 0 00ff00 # 2005 drawn, in the red 2010 left
[ "$(count "$(still swapped)" ff0000)" -gt 50 ] || fail "2005 is not drawn after 2010 was hidden"

# F1 opens the help window, Esc in it closes it.
xdotool key F1
help=$(timeout 30 xdotool search --sync --onlyvisible --name 'Hilfe$' | head -n 1)
echo "help window $help: $(xdotool getwindowname "$help")"
xdotool mousemove --window "$help" 100 100 click 1
sleep 0.5
xdotool key Escape
for attempt in 1 2 3 4 5 6 7 8 9 10; do
  sleep 0.5
  xdotool search --onlyvisible --name 'Hilfe$' > /dev/null || { echo "ok"; exit 0; }
done
echo "Esc did not close the help window" >&2
exit 1
