#!/bin/bash
# Imports an export (a CSV file or an account archive) through the window with real input events:
# the "Export importieren" button, the path typed into the file dialog, the
# import dialog accepted with its defaults (every running type, 2019 to
# 2026), then a metric picked. The chart must show the imported years in their colours.
set -euo pipefail
source "$(dirname "$0")/window_helpers.sh"
export_file=$2
probe=$3

# Each capture gets its own file (shot runs in a subshell: no counter survives).
shot() { local f; f=$(mktemp -p "$work" --suffix=.png); sleep 1.5; kill -0 $pid; import -window "$window" "$f"; echo "$f"; }
# Waits until a visible window with this name exists, or is gone (gone=1).
await_window() {
  local name=$1 gone=${2:-0}
  for _ in $(seq 1 60); do
    if xdotool search --onlyvisible --name "$name" >/dev/null 2>&1; then
      [ "$gone" = 1 ] || return 0
    else
      [ "$gone" = 0 ] || return 0
    fi
    kill -0 $pid || fail "kaldoro has exited"
    sleep 0.5
  done
  return 1
}

start_window
sleep 1
# The chart fills the window below the lists (from row 48).
plot="0 48 938 644"
count() { "$probe" "$1" count "$2" $plot; }
[ "$(count "$(shot)" ff0000)" -eq 0 ] || fail "a red year before any import"

# The import button: left 640, top 8, 161 x 30 in the window.
xdotool mousemove --window "$window" 720 23 click 1
# Qt's own file dialog (no desktop under xvfb): its name field has the focus.
# Qt's dialogs speak the window's language (German here): "Öffnen".
await_window '^(Öffnen|Open)$' || fail "no file dialog after the import button"
sleep 1
xdotool type --delay 10 "$export_file"
xdotool key Return
await_window '^Export importieren$' || fail "no import dialog after choosing $export_file"
sleep 1
# OK is the dialog's default button.
xdotool key Return
await_window '^Export importieren$' 1 || fail "the import dialog stays open after Return"

# The import draws its years at once, no list touched. Years 1 to 6 are
# red, lime, blue, maroon, green and aqua.
# A loaded machine may need a moment longer to draw: look again a few times.
for attempt in 1 2 3 4 5; do
  capture=$(shot)
  missing=""
  for colour in ff0000 00ff00 0000ff 800000 008000 00ffff; do
    [ "$(count "$capture" $colour)" -gt 200 ] || missing="$missing $colour"
  done
  if [ -z "$missing" ]; then
    echo "all checks passed"
    exit 0
  fi
  echo "attempt $attempt: year colours not seen yet:$missing"
done
fail "the chart does not show the imported years"
