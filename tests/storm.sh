#!/bin/bash
# The window storm at length, in the sanitized test build:
#   tests/storm.sh EVENTS START   (both optional: 100000 events, a start value from the clock)
# The start value of the random numbers is printed; the same start and count
# replay the same storm.
set -euo pipefail
cd "$(dirname "$0")/.."
events=${1:-${KALDORO_STORM_EVENTS:-100000}}
start=${2:-${KALDORO_STORM_START:-$(date +%s)}}
source scripts/packages.sh
scripts/ensure-packages.sh "${KALDORO_BUILD_PACKAGES[@]}"

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKALDORO_SANITIZE=ON >/dev/null
cmake --build build/test --target kaldoro_storm_tests

export QT_QPA_PLATFORM=offscreen
export QT_FONT_DPI=96
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
KALDORO_STORM_EVENTS=$events KALDORO_STORM_START=$start exec build/test/tests/kaldoro_storm_tests
