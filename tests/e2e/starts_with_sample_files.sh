#!/bin/bash
# Starts the real program with the sample files in an X server, waits for its
# window and checks its title and size; the program must still be running then.
set -euo pipefail
source "$(dirname "$0")/window_helpers.sh"
samples=$2

start_window "$samples"/*.csv
title=$(xdotool getwindowname "$window")
echo "window $window: $title"
# The title names the version --version prints.
version=$("$kaldoro" --version | cut -d' ' -f2)
[ "$title" = "Kaldoro     (V $version)" ] || { echo "unexpected title: $title" >&2; exit 1; }

eval "$(xdotool getwindowgeometry --shell "$window")"
echo "size ${WIDTH}x${HEIGHT}"
[ "$WIDTH" -ge 620 ] && [ "$HEIGHT" -ge 300 ] || { echo "window too small" >&2; exit 1; }

kill -0 $pid || { echo "kaldoro has exited" >&2; exit 1; }
echo "ok"
