#!/bin/bash
# Runs the year-file fuzzer for HOURS hours (fractions allowed), keeping its
# corpus in build/fuzz/corpus between runs.
# Usage: bench/fuzz-long.sh HOURS
set -euo pipefail
hours=${1:?usage: bench/fuzz-long.sh HOURS}
seconds=$(awk -v h="$hours" 'BEGIN { printf "%d", h * 3600 }')
exec "$(dirname "$0")/../fuzz/run-fuzzer.sh" "$seconds"
