#!/bin/bash
# Each folder of the chart engine and of the application may include only
# from itself and the folders below it; the link lines enforce the calls,
# this the headers. Prints every include that reaches upwards and fails.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root" || exit 1
status=0

# folder, then the pattern of what it must not include
rules=(
  "chart/canvas|\"(chart/(series|axes|panel)|app)/"
  "chart/series|\"(chart/(axes|panel)|app)/"
  "chart/axes|\"(chart/panel|app)/"
  "chart/panel|\"app/"
  "app/year|\"(chart|app/(import|view|window|cli))/"
  "app/import|\"(chart|app/(view|window|cli))/"
  "app/view|\"app/(import|window|cli)/"
  "app/window|\"app/cli/"
)
for rule in "${rules[@]}"; do
  folder=${rule%%|*}
  pattern=${rule#*|}
  if found=$(grep -nE "^#include ${pattern}" "$folder"/*.h "$folder"/*.cpp 2>/dev/null); then
    echo "$folder includes from above it:"
    echo "$found"
    status=1
  fi
done

if flat=$(ls app/*.cpp app/*.h 2>/dev/null); then
  echo "sources beside the rooms of app/:"
  echo "$flat"
  status=1
fi
exit $status
