#!/usr/bin/env bash
# Builds the Debian package from a finished build, unpacks it into a scratch
# root, checks its dependencies and desktop metadata, runs the installed batch
# program on the example spreadsheet and starts the installed window program
# under a private X server until its main window is on screen.
#   InstalledProgramTest.sh <build folder>
set -euo pipefail
build=$(cd "$1" && pwd)
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'kill ${xvfb_pid:-} ${program_pid:-} 2>/dev/null; rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/pkg" >/dev/null) ||
    fail "cpack could not build the package"
deb=$(ls "$scratch"/pkg/dentiplot_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
# The printouts are drawn with Qt GUI's PDF writer, not Qt Print Support.
for needed in libqt6widgets6 libqt6gui6 fonts-liberation libcups2 libcsv3; do
    grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed: $depends"
done

root="$scratch/root"
dpkg -x "$deb" "$root"
for f in bin/dentiplot bin/dentiplot-batch share/icons/hicolor/48x48/apps/org.example.Dentiplot.png; do
    [ -x "$root/usr/$f" ] || [ -f "$root/usr/$f" ] || fail "the package lacks $f"
done
desktop-file-validate "$root/usr/share/applications/org.example.Dentiplot.desktop" ||
    fail "the desktop entry does not validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.Dentiplot.metainfo.xml" ||
    fail "the AppStream metadata does not validate"

# The example spreadsheet holds rows in error, hence status 1.
status=0
"$root/usr/bin/dentiplot-batch" "$source_dir/docs/cohort-example.csv" \
    --reports "$scratch/reports" >"$scratch/results.csv" || status=$?
[ "$status" -eq 1 ] || fail "dentiplot-batch ended with $status on the example, not 1"
diff -u "$source_dir/docs/cohort-example-results.csv" "$scratch/results.csv" ||
    fail "the installed dentiplot-batch does not give the example's results"
[ -s "$scratch/reports/P-001.pdf" ] || fail "the installed dentiplot-batch wrote no report"

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
sleep 1
DISPLAY="$display" QT_QPA_PLATFORM=xcb "$root/usr/bin/dentiplot" >"$scratch/out.txt" 2>&1 &
program_pid=$!
title="Dentiplot - Evaluation of the Caries Risk"
for _ in $(seq 1 600); do
    kill -0 "$program_pid" 2>/dev/null || { cat "$scratch/out.txt" >&2; fail "the program ended"; }
    xwininfo -display "$display" -root -tree 2>/dev/null | grep -q "\"$title\"" && exit 0
    sleep 0.1
done
fail "no main window appeared within 60 seconds"
