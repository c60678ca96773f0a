#!/bin/bash
# Whole-process time of `kaldoro --export-png` (four sample years, monthly
# means) against bare_png, a Qt program that only starts offscreen and saves
# a blank picture of the same size. The two run in turn, one pair at a time,
# and the ratio is taken pair by pair: a machine busy with something else
# slows both of a pair alike. Prints the medians and the median ratio.
#
#   cmake -S . -B build/rel -G Ninja -DCMAKE_BUILD_TYPE=Release -DKALDORO_SANITIZE=OFF
#   cmake --build build/rel --target kaldoro bare_png
#   bench/export_png_process.sh build/rel [PAIRS]
set -euo pipefail
build=${1:-build/rel}
pairs=${2:-30}
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM=offscreen QT_FONT_DPI=96

python3 - "$build" "$root" "$out" "$pairs" <<'PY'
import glob, statistics, struct, subprocess, sys, time

build, root, out, pairs = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
samples = sorted(glob.glob(f"{root}/samples/*.csv"))
kaldoro = [f"{build}/kaldoro", "--mode", "3", "--metric", "1", "--export-png", f"{out}/k.png", *samples]
subprocess.run(kaldoro, check=True)
with open(f"{out}/k.png", "rb") as png:
    width, height = struct.unpack(">II", png.read(24)[16:24])
bare = [f"{build}/bench/bare_png", f"{out}/b.png", str(width), str(height)]

def seconds(command):
    start = time.perf_counter()
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL)
    return time.perf_counter() - start

for _ in range(3):  # warm the caches
    seconds(kaldoro), seconds(bare)
k, b = [], []
for _ in range(pairs):
    k.append(seconds(kaldoro))
    b.append(seconds(bare))
ratios = [x / y for x, y in zip(k, b)]
print(f"median kaldoro {statistics.median(k)*1000:.1f} ms, bare {statistics.median(b)*1000:.1f} ms, "
      f"median pair ratio {statistics.median(ratios):.2f} ({pairs} pairs)")
PY
