#!/usr/bin/env bash
# Runs every benchmark (optimised build) and prints one table with each
# figure beside its baseline from the same run. The print benchmark starts a
# private print scheduler and needs root; without it that row is not measured.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh dev
out=build/dev/bench-results
rm -rf "$out" && mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen
for program in $(find build/dev/bench -type f -executable -name '*bench*' | sort); do
    name=$(basename "$program")
    echo "== $name" >&2
    "$program" --benchmark_out="$out/$name.json" --benchmark_out_format=json >&2 || true
done
echo
echo "Measured on $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'), $(date -u +%Y-%m-%d):"
echo
python3 bench/summarize.py "$out"
