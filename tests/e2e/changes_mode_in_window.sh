#!/bin/bash
# Starts the real program with the sample files in an X server, changes the
# mode list with real mouse and key events, captures the window and checks
# that the chart shows its back wall and markers in the year colours.
set -euo pipefail
source "$(dirname "$0")/window_helpers.sh"
samples=$2
checker=$3
shot=$work/shot.png

start_window "$samples"/*.csv
sleep 1
# The mode list's text field: left 392, top 8, 225 x 26 in the window.
xdotool mousemove --window "$window" 450 21 click 1
sleep 0.5
xdotool key Down   # next mode: "Wertemäßig sortiert "
# Years 1 to 4 are red, lime, blue and maroon; the back wall's frame is a black line.
# A loaded machine may need a moment longer to draw: look again a few times.
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
