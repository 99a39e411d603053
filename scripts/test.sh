#!/usr/bin/env bash
# Sets up, builds and runs every test of Dentiplot (headless).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
preset="${DENTIPLOT_PRESET:-ci}"
scripts/build.sh "$preset"
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset" -j "$(nproc)"
