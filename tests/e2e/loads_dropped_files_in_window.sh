#!/bin/bash
# Starts the real program without files in an X server and drops the sample
# files on its window from another program (a drag source window) with real
# mouse events: a press in the source, moves across to Kaldoro, a release
# there, so the files travel by the X drag-and-drop protocol as from a file
# manager. The lists must appear and a mode must draw the four years. Then
# the keys: F1 opens the help window, Esc closes it.
set -euo pipefail
kaldoro=$1
samples=$2
source_program=$3
probe=$4
checker=$5
shots=$(mktemp -d)

"$kaldoro" &
pid=$!
spid=
trap 'kill $pid $spid 2>/dev/null || true; rm -rf "$shots"' EXIT

window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Kaldoro' | head -n 1)
sleep 1

# White pixels of the mode list's text field (left 392, top 8, 225 x 26):
# none while the lists are hidden over the gray window.
list_pixels() {
  import -window "$window" "$shots/$1.png"
  "$probe" "$shots/$1.png" count ffffff 400 12 600 30
}
before=$(list_pixels before)
echo "white pixels where the mode list appears: $before before the drop"
[ "$before" -lt 50 ] || { echo "the lists show before any load" >&2; exit 1; }

LSAN_OPTIONS="suppressions=$(dirname "$0")/drag_source.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}" \
  "$source_program" "$samples"/2009.csv "$samples"/2010.csv "$samples"/2011.csv "$samples"/2012.csv \
  > "$shots/source.txt" &
spid=$!
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
  [ -s "$shots/source.txt" ] && break
  sleep 0.5
done
echo "drag source: $(cat "$shots/source.txt")"
[ "$(cat "$shots/source.txt")" = copy ] || { echo "Kaldoro did not take the drop" >&2; exit 1; }

for attempt in 1 2 3 4 5; do
  sleep 1
  kill -0 $pid || { echo "kaldoro has exited" >&2; exit 1; }
  after=$(list_pixels after)
  echo "white pixels of the mode list after the drop: $after"
  [ "$after" -ge 1000 ] && break
  [ $attempt -lt 5 ] || { echo "the lists did not appear" >&2; exit 1; }
done

# The four dropped years in the chart: red, lime, blue and maroon markers.
xdotool mousemove --window "$window" 450 21 click 1
sleep 0.5
xdotool key Down
for attempt in 1 2 3 4 5; do
  sleep 2
  import -window "$window" "$shots/chart.png"
  if "$checker" "$shots/chart.png" 400 ff0000:100 00ff00:100 0000ff:100 800000:100; then
    break
  fi
  [ $attempt -lt 5 ] || { echo "the dropped years are not drawn" >&2; exit 1; }
done

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
