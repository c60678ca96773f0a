#!/bin/bash
# Starts the real program on mode 4 of the sample files in an X server,
# hovers over the plot with real mouse moves and checks in window captures
# that the comparison box lists the four years (their colour swatches in a
# pale box), that it follows the pointer, and that leaving the chart gives
# back the very picture of before.
set -euo pipefail
source "$(dirname "$0")/window_helpers.sh"
samples=$2
checker=$3

start_window --mode 4 --metric 1 "$samples"/*.csv
# Outside the chart (which starts at window row 45), away from every control.
xdotool mousemove --window "$window" 900 25
sleep 2

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

# Years 1 to 4: red, lime, blue, maroon swatches inside the pale box.
years="inbox:ff0000:50 inbox:00ff00:50 inbox:0000ff:50 inbox:800000:50"
expect_picture before ff0000:100
! grep -q 'box at' "$work/before.txt" || { echo "a box before any hover" >&2; exit 1; }

xdotool mousemove --window "$window" 300 300
sleep 0.3
xdotool mousemove --window "$window" 302 301
expect_picture hover $years
first=$(grep -o 'box at [0-9]*' "$work/hover.txt")

# Near the right edge the box moves to the left of the pointer.
xdotool mousemove --window "$window" 780 250
expect_picture right $years
second=$(grep -o 'box at [0-9]*' "$work/right.txt")
if [ "${second#box at }" -ge 780 ] || [ "$first" = "$second" ]; then
  echo "the box did not move left of the pointer: $first, $second" >&2
  exit 1
fi

# Leaving the chart erases the marker without a trace.
xdotool mousemove --window "$window" 900 25
expect_picture after ff0000:100
changed=$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1 || true)
echo "pixels changed after leaving: $changed"
[ "${changed%% *}" = "0" ] || { echo "the chart was not restored" >&2; exit 1; }
