#!/bin/bash
# Builds the year-file fuzzer with clang in build/fuzz and runs it for SECONDS
# seconds, seeded with the sample years. Exits non-zero when an input crashes,
# hangs, leaks or breaks an expectation of the harness; the input is then in
# build/fuzz/artifacts/ and belongs in tests/data/fuzz-regressions/.
# Usage: fuzz/run-fuzzer.sh SECONDS [libFuzzer option...]
set -euo pipefail
seconds=${1:?usage: fuzz/run-fuzzer.sh SECONDS [libFuzzer option...]}
shift
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KALDORO_FUZZ_BUILD:-$root/build/fuzz}

. "$root/fuzz/fuzz_build.sh"
fuzz_build

# New inputs go to the first corpus folder; the sample years are only read
# (copied, as libFuzzer takes folders, and the samples also hold scripts).
mkdir -p "$build/corpus" "$build/artifacts" "$build/seeds"
find "$root/samples" -maxdepth 1 -name '*.csv' -exec cp {} "$build/seeds/" \;
n=0
for file in "$root"/samples/real/*/*.csv; do
  n=$((n + 1))
  cp "$file" "$build/seeds/real-$n.csv"
done
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
status=0
"$build/year_files_fuzzer" -max_total_time="$seconds" -max_len=65536 -timeout=20 -print_final_stats=1 \
  -dict="$root/fuzz/year_files.dict" -artifact_prefix="$build/artifacts/" "$@" \
  "$build/corpus" "$build/seeds" || status=$?
if [ "$status" -ne 0 ]; then
  echo "fuzzer failed (status $status); inputs kept:" >&2
  ls -1 "$build/artifacts" >&2 || true
fi
exit "$status"
