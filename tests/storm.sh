#!/bin/bash
# The window storm at length, in the sanitized test build:
#   tests/storm.sh [EVENTS [SEED]]    (default: 100000 events, a seed from the clock)
# The seed is printed; the same seed and count replay the same storm.
set -euo pipefail
cd "$(dirname "$0")/.."
events=${1:-${KALDORO_STORM_EVENTS:-100000}}
seed=${2:-${KALDORO_STORM_SEED:-$(date +%s)}}
source scripts/packages.sh
scripts/ensure-packages.sh "${KALDORO_BUILD_PACKAGES[@]}"

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKALDORO_SANITIZE=ON >/dev/null
cmake --build build/test --target kaldoro_storm_tests

export QT_QPA_PLATFORM=offscreen
export QT_FONT_DPI=96
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
KALDORO_STORM_EVENTS=$events KALDORO_STORM_SEED=$seed exec build/test/tests/kaldoro_storm_tests
