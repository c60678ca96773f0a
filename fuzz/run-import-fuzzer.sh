#!/bin/bash
# Builds one import fuzzer (csv_exports_fuzzer, garmin_pages_fuzzer or
# fit_fuzzer) with clang in build/fuzz and runs it for SECONDS seconds,
# seeded with the import test data. Exits non-zero when an input crashes,
# hangs, leaks or yields an unsound workout; the input is then in
# build/fuzz/artifacts-TARGET/.
# Usage: fuzz/run-import-fuzzer.sh TARGET SECONDS [libFuzzer option...]
set -euo pipefail
target=${1:?usage: fuzz/run-import-fuzzer.sh TARGET SECONDS [libFuzzer option...]}
seconds=${2:?usage: fuzz/run-import-fuzzer.sh TARGET SECONDS [libFuzzer option...]}
shift 2
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KALDORO_FUZZ_BUILD:-$root/build/fuzz}

. "$root/fuzz/fuzz_build.sh"
fuzz_build "$target"

corpus=$build/corpus-$target
seeds=$build/seeds-$target
artifacts=$build/artifacts-$target
mkdir -p "$corpus" "$seeds" "$artifacts"
case $target in
  csv_exports_fuzzer) find "$root/tests/data/import" -name '*.csv' -size -200k -exec cp {} "$seeds/" \; ;;
  garmin_pages_fuzzer) cp "$root"/fuzz/seeds/*summarizedActivities.json "$root"/tests/data/import/strava/*.zip "$seeds/" ;;
  fit_fuzzer) find "$root/tests/data/import/fit" -name '*.fit' -size -100k -exec cp {} "$seeds/" \; ;;
  *) echo "unknown fuzzer $target" >&2; exit 2 ;;
esac
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
status=0
"$build/$target" -max_total_time="$seconds" -max_len=262144 -timeout=20 -rss_limit_mb=4096 -print_final_stats=1 \
  -artifact_prefix="$artifacts/" "$@" "$corpus" "$seeds" || status=$?
if [ "$status" -ne 0 ]; then
  echo "fuzzer $target failed (status $status); inputs kept:" >&2
  ls -1 "$artifacts" >&2 || true
fi
exit "$status"
