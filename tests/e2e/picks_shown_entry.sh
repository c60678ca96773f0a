#!/bin/bash
# Starts the real program with the sample files: the chart is there at once.
# Then opens the mode list with a real click on its arrow and picks the entry
# it already shows with Return: the chart is drawn again, as it was.
set -euo pipefail
source "$(dirname "$0")/window_helpers.sh"
samples=$2
checker=$3
shot=$work/shot.png

start_window "$samples"/*.csv
sleep 1
# Before any pick the load has drawn the years.
import -window "$window" "$shot"
"$checker" "$shot" 400 ff0000:100 00ff00:100 0000ff:100 800000:100 || { echo "no chart after the load" >&2; exit 1; }
# The mode list: left 392, top 8, 225 x 26 in the window; its arrow is at the right end.
xdotool mousemove --window "$window" 608 21 click 1
sleep 1
xdotool key Return   # the highlighted entry: the one already shown
for attempt in 1 2 3 4 5; do
  sleep 2
  import -window "$window" "$shot"
  kill -0 $pid || { echo "kaldoro has exited" >&2; exit 1; }
  if "$checker" "$shot" 400 ff0000:100 00ff00:100 0000ff:100 800000:100; then
    exit 0
  fi
  echo "attempt $attempt: chart not seen yet"
done
exit 1
