#!/bin/sh
# On a 256-colour X display the toolkit cannot paint; the program must refuse
# to start with one line on standard error and a failure exit, not crash.
# Usage: PaletteDisplayTest.sh <path of the dentiplot program>
set -u
program=$1
scratch=$(mktemp -d)
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# A private X server at 8 bits per pixel; it names its display once ready.
Xvfb -displayfd 3 -screen 0 640x480x8 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 1 100); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
[ -s "$scratch/display" ] || fail "Xvfb did not start"

DISPLAY=":$(cat "$scratch/display")" XDG_RUNTIME_DIR="$scratch" QT_QPA_PLATFORM=xcb \
    timeout 15 "$program" >"$scratch/out" 2>"$scratch/err"
status=$?
cat "$scratch/err"
[ "$status" -eq 1 ] || fail "exit status $status, expected 1"
[ "$(wc -l <"$scratch/err")" -eq 1 ] || fail "expected exactly one line on standard error"
grep -q "^dentiplot: the display shows only 256 colours (8 bits per pixel)" "$scratch/err" ||
    fail "the line does not name the display's colours"
[ ! -s "$scratch/out" ] || fail "output on standard output"
echo "PASS"
