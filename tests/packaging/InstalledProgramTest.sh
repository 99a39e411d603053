#!/usr/bin/env bash
# Builds the Debian package from a finished build, unpacks it into a scratch
# root, checks the desktop metadata it carries, runs the installed batch
# program on the example spreadsheet, and starts the installed window program
# under a private X server until its main window is on screen.
#
#   InstalledProgramTest.sh <build folder>
set -euo pipefail

build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    [ -n "${program_pid:-}" ] && kill "$program_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# 1. The package, with its dependencies computed from the binary.
(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/pkg" >/dev/null) ||
    fail "cpack could not build the package"
deb=$(ls "$scratch"/pkg/dentiplot_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no dentiplot_*.deb was made"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# The printouts are drawn with Qt GUI's PDF writer, not Qt Print Support.
for needed in libqt6widgets6 libqt6gui6 fonts-liberation libcups2 libcsv3; do
    grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed"
done

# 2. Unpacked into a scratch root: program, desktop entry, icons, metadata.
root="$scratch/root"
dpkg -x "$deb" "$root"
for f in usr/bin/dentiplot usr/bin/dentiplot-batch usr/share/man/man1/dentiplot-batch.1.gz \
         usr/share/applications/org.example.Dentiplot.desktop \
         usr/share/metainfo/org.example.Dentiplot.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/org.example.Dentiplot.svg; do
    [ -e "$root/$f" ] || fail "the package lacks $f"
done
for size in 16 22 24 32 48 64 128 256; do
    [ -e "$root/usr/share/icons/hicolor/${size}x${size}/apps/org.example.Dentiplot.png" ] ||
        fail "the package lacks the ${size} pixel icon"
done
desktop-file-validate "$root/usr/share/applications/org.example.Dentiplot.desktop" ||
    fail "the desktop entry does not validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.Dentiplot.metainfo.xml" ||
    fail "the AppStream metadata does not validate"

# 3. The installed batch program assesses the example spreadsheet as shown in
#    docs/ and writes a report.
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
"$root/usr/bin/dentiplot-batch" --version | grep -q "^dentiplot-batch " ||
    fail "the installed dentiplot-batch does not give its version"
status=0
"$root/usr/bin/dentiplot-batch" "$source_dir/docs/cohort-example.csv" \
    --reports "$scratch/reports" >"$scratch/results.csv" 2>"$scratch/batch-errors.txt" || status=$?
[ "$status" -eq 1 ] || fail "dentiplot-batch ended with $status on the example, not 1"
diff -u "$source_dir/docs/cohort-example-results.csv" "$scratch/results.csv" ||
    fail "the installed dentiplot-batch does not give the example's results"
[ -s "$scratch/reports/P-001.pdf" ] || fail "the installed dentiplot-batch wrote no report"
echo "PASS: the installed dentiplot-batch assesses the example"

# 4. The installed program shows its main window on a private X server.
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 50); do
    xdpyinfo -display "$display" >/dev/null 2>&1 && break
    sleep 0.1
done
DISPLAY="$display" QT_QPA_PLATFORM=xcb "$root/usr/bin/dentiplot" >"$scratch/out.txt" 2>&1 &
program_pid=$!
title="Dentiplot - Evaluation of the Caries Risk"
for _ in $(seq 1 600); do
    if xwininfo -display "$display" -root -tree 2>/dev/null | grep -q "\"$title\""; then
        kill -0 "$program_pid" 2>/dev/null || fail "the program ended after showing its window"
        echo "PASS: the installed program shows \"$title\""
        exit 0
    fi
    kill -0 "$program_pid" 2>/dev/null || { cat "$scratch/out.txt" >&2; fail "the program ended early"; }
    sleep 0.1
done
cat "$scratch/out.txt" >&2
fail "no main window appeared within 60 seconds"
