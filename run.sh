#!/bin/bash
# Sets up, builds a Release build and starts Kaldoro.
# Usage: ./run.sh [FILE...]   (no files: the bundled samples are loaded)
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
scripts/ensure-packages.sh "${KALDORO_BUILD_PACKAGES[@]}"

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DKALDORO_BUILD_TESTS=OFF -DKALDORO_BUILD_BENCH=OFF >/dev/null
cmake --build build/release --target kaldoro

if [ $# -eq 0 ]; then
  set -- samples/*.csv
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  # No window without a display: draw the chart into a picture instead.
  picture=kaldoro-samples.png
  build/release/kaldoro --mode 3 --metric 1 --export-png "$picture" "$@"
  echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset): the chart is in $(pwd)/$picture"
  exit 0
fi
exec build/release/kaldoro "$@"
