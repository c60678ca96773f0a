#!/bin/bash
# Whole-process time of `kaldoro --export-png` (four sample years, monthly
# means) against bare_png, a Qt program that only starts offscreen and saves
# a blank picture of the same size. Uses hyperfine (Debian package) on a
# Release build:
#
#   cmake -S . -B build/rel -G Ninja -DCMAKE_BUILD_TYPE=Release -DKALDORO_SANITIZE=OFF
#   cmake --build build/rel --target kaldoro bare_png
#   bench/export_png_process.sh build/rel [RUNS]
set -euo pipefail
build=${1:-build/rel}
runs=${2:-30}
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM=offscreen QT_FONT_DPI=96

read -r w h <<<"$("$build/kaldoro" --mode 3 --metric 1 --export-png "$out/chart.png" "$root"/samples/*.csv \
                  && identify -format '%w %h' "$out/chart.png")"
hyperfine -N --warmup 3 --runs "$runs" --export-json "$out/times.json" \
  -n kaldoro "$build/kaldoro --mode 3 --metric 1 --export-png $out/k.png $(echo "$root"/samples/*.csv)" \
  -n bare "$build/bench/bare_png $out/b.png $w $h"
python3 - "$out/times.json" <<'PY'
import json, sys
results = {r["command"]: r["median"] for r in json.load(open(sys.argv[1]))["results"]}
print(f"median kaldoro {results['kaldoro']*1000:.1f} ms, bare {results['bare']*1000:.1f} ms, "
      f"ratio {results['kaldoro']/results['bare']:.2f}")
PY
