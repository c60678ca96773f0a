#!/bin/bash
# Starts the real program with the sample files in an X server, focuses the
# chart with a real click, presses Ctrl+C and reads the clipboard as another
# program would: a PNG of the chart's size.
set -euo pipefail
source "$(dirname "$0")/window_helpers.sh"
samples=$2

start_window --mode 3 --metric 1 "$samples"/*.csv
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
# The chart leaves 5 px left, right and below, and 45 px above.
chart_size="$((WIDTH - 10)) $((HEIGHT - 144))" # above the file pane and its status line
# A loaded machine may need a moment longer: try a few times.
for attempt in 1 2 3 4 5; do
  xdotool mousemove --window "$window" $((WIDTH / 2)) $((HEIGHT / 2)) click 1
  sleep 0.5
  xdotool key ctrl+c
  sleep 1
  kill -0 $pid || { echo "kaldoro has exited" >&2; exit 1; }
  if timeout 10 xclip -selection clipboard -t image/png -o >"$work/clip.png" 2>/dev/null \
     && [ "$(head -c 8 "$work/clip.png" | od -An -tx1 | tr -d ' ')" = "89504e470d0a1a0a" ]; then
    size=$(identify -format '%w %h' "$work/clip.png")
    [ "$size" = "$chart_size" ] || { echo "FAIL: clipboard picture is $size, the chart $chart_size" >&2; exit 1; }
    echo ok
    exit 0
  fi
  echo "attempt $attempt: no picture on the clipboard yet"
done
exit 1
