#!/bin/bash
# Builds the loader and evaluation tests without sanitizers in build/valgrind
# and runs them once under valgrind's memcheck. Any memory error or leak fails,
# and nothing is suppressed: only Qt Core, libstdc++ and GoogleTest are linked,
# and they leave nothing lost. Exits 77 (a skip for CTest) when valgrind is not
# installed.
# Usage: tests/valgrind/run-memcheck.sh [gtest option...]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${KALDORO_MEMCHECK_BUILD:-$root/build/valgrind}
if ! command -v valgrind >/dev/null 2>&1; then
  echo "valgrind is not installed: memcheck skipped"
  exit 77
fi

launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root/tests/valgrind" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug "${launcher[@]}" >/dev/null
cmake --build "$build"

# The 10 MB line and the 50 MB file take minutes under memcheck and reach no
# code the smaller inputs miss.
exec valgrind --tool=memcheck --error-exitcode=1 --leak-check=full --show-leak-kinds=definite,indirect \
  --errors-for-leak-kinds=definite,indirect \
  "$build/loader_memcheck_tests" \
  --gtest_filter='-UnusualInputFiles.TenMegabyteLine*:UnusualInputFiles.FiftyMegabyteFile*' "$@"
