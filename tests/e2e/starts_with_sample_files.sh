#!/bin/bash
# Starts the real program with the sample files in an X server, waits for its
# window and checks its title and size; the program must still be running then.
set -euo pipefail
kaldoro=$1
samples=$2

"$kaldoro" "$samples"/*.csv &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Kaldoro' | head -n 1)
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
