#!/bin/bash
# An unknown option is refused with a message and exit code 2, before any window opens.
set -uo pipefail
output=$("$1" --no-such-option 2>&1 >/dev/null)
status=$?
echo "$output"
[ $status -eq 2 ] || { echo "expected exit code 2, got $status" >&2; exit 1; }
[[ "$output" == *"--no-such-option"* ]] || { echo "message does not name the option" >&2; exit 1; }
