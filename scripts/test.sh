#!/usr/bin/env bash
# Sets up, builds and runs every test of Dentiplot (headless), in three
# stages, stopping at the first that fails:
#   1. the "ci" preset: the ordinary build, warnings as errors, all tests;
#   2. the "asan" preset: everything built with AddressSanitizer and
#      UndefinedBehaviorSanitizer, all tests again; any report fails the test;
#   3. the "fuzz" preset: the libFuzzer target of the pie chart's data line
#      reader, fuzzed for a short, bounded time from its seed corpus.
# DENTIPLOT_PRESET=<preset> runs only that preset's stage (e.g. "ci" or "dev").
# The exit status is non-zero when any build or test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"

stage() {
    local preset="$1"
    local started=$SECONDS
    echo "==== ${preset}: configure and build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    echo "==== ${preset}: built in $((SECONDS - started)) s; test"
    # ctest's summary closes the stage (and, for the last stage, the run).
    ctest --preset "$preset" -j "$jobs"
}

if [ -n "${DENTIPLOT_PRESET:-}" ]; then
    stage "$DENTIPLOT_PRESET"
    exit 0
fi

stage ci
stage asan
stage fuzz
