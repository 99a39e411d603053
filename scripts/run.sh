#!/usr/bin/env bash
# Sets up, builds and starts Dentiplot.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh dev
program=build/dev/mainwindow/dentiplot
if [ ! -x "$program" ]; then
    echo "dentiplot: everything is built, but the program is not assembled yet." >&2
    exit 1
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "dentiplot: no display found (DISPLAY is not set); start it from a desktop session." >&2
    exit 1
fi
exec "$program"
