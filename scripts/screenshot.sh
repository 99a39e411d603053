#!/usr/bin/env bash
# Starts the program on a virtual 1024x768 screen, enters a realistic score
# set and saves the main window to docs/main-window.png.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/dev}"
cmake --build "$build" --target bench_dentiplot
xvfb-run -a -s "-screen 0 1024x768x24" \
    "$build/bench/bench_dentiplot" --picture=docs/main-window.png
echo "screenshot: docs/main-window.png"
