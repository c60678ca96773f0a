#!/bin/bash
# Sets up, builds a sanitized Debug build and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
scripts/ensure-packages.sh "${KALDORO_BUILD_PACKAGES[@]}" "${KALDORO_TEST_PACKAGES[@]}"

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKALDORO_SANITIZE=ON >/dev/null
cmake --build build/test

export QT_QPA_PLATFORM=offscreen
export QT_FONT_DPI=96
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# ctest runs the unit tests offscreen; the end-to-end tests (label e2e) start their
# own X server through xvfb-run.
cd build/test
ctest --output-on-failure --timeout 300
