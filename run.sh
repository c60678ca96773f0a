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
  echo "kaldoro: no display found (DISPLAY and WAYLAND_DISPLAY are unset); cannot open the window." >&2
  exit 1
fi
exec build/release/kaldoro "$@"
