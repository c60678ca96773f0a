#!/bin/bash
# Starts the real program with the sample files in an X server, shows a
# chart, then with real mouse events: drags a rectangle (the day grid lines
# spread apart), drags back (they return), pans with the right button and
# turns the wheel (the picture moves), each seen in a window capture.
set -euo pipefail
source "$(dirname "$0")/window_helpers.sh"
samples=$2
checker=$3

start_window "$samples"/*.csv
sleep 1

# Captures the window into $work/$1.png until the checker accepts it with
# the remaining arguments; a loaded machine may need a moment to draw.
expect_picture() {
  local name=$1
  shift
  for attempt in 1 2 3 4 5; do
    sleep 1
    import -window "$window" "$work/$name.png"
    kill -0 $pid || { echo "kaldoro has exited" >&2; exit 1; }
    if "$checker" "$work/$name.png" 400 "$@" > "$work/$name.txt"; then
      cat "$work/$name.txt"
      return 0
    fi
    echo "$name, attempt $attempt:"; cat "$work/$name.txt"
  done
  exit 1
}

# Drags with button $1 from ($2, $3) to ($4, $5) in window coordinates, in
# a few steps as a hand would.
drag() {
  local button=$1 x0=$2 y0=$3 x1=$4 y1=$5
  xdotool mousemove --window "$window" "$x0" "$y0" mousedown "$button"
  for step in 1 2 3 4; do
    sleep 0.1
    xdotool mousemove --window "$window" $((x0 + (x1 - x0) * step / 4)) $((y0 + (y1 - y0) * step / 4))
  done
  sleep 0.2
  xdotool mouseup "$button"
}

grid_columns() { grep -o 'vertical grid lines at[0-9 ]*' "$work/$1.txt"; }

# The mode list's text field: left 392, top 8, 225 x 26 in the window. The
# next mode, "Wertemäßig sortiert ", has a grid line every 30 days.
xdotool mousemove --window "$window" 450 21 click 1
sleep 0.5
xdotool key Down
expect_picture shown gridgap:60:150

# Right and down: zoom in. The chart lies at (2, 48) in the window.
drag 1 250 200 450 400
expect_picture zoomed gridgap:120:900

# Left and up: undo.
drag 1 450 400 250 200
expect_picture undone gridgap:60:150

# Right button: the day grid moves with the mouse, its spacing stays.
drag 3 400 300 490 300
expect_picture panned gridgap:60:150
if [ "$(grid_columns panned)" = "$(grid_columns undone)" ]; then
  echo "panning did not move the grid" >&2
  exit 1
fi

# Three notches towards the user scroll the values; the days stay.
xdotool mousemove --window "$window" 500 300 click 5 click 5 click 5
expect_picture wheeled gridgap:60:150
changed=$(compare -metric AE "$work/panned.png" "$work/wheeled.png" null: 2>&1 || true)
echo "pixels changed by the wheel: $changed"
if [ "${changed%% *}" = "0" ]; then
  echo "the wheel did not scroll" >&2
  exit 1
fi
