#!/bin/sh
# Without any display, and on a 256-colour X display where the toolkit cannot
# paint, the program must refuse to start with one line on standard error and
# a failure exit, not crash. Usage: PaletteDisplayTest.sh <dentiplot program>
set -u
scratch=$(mktemp -d)
xvfb=""
trap 'kill $xvfb 2>/dev/null; rm -rf "$scratch"' EXIT
# expect <first words of the line> <command...>: one line, exit status 1.
expect() {
    line=$1
    shift
    timeout 15 "$@" >"$scratch/out" 2>"$scratch/err"
    status=$?
    cat "$scratch/err"
    [ "$status" -eq 1 ] && [ "$(wc -l <"$scratch/err")" -eq 1 ] && [ ! -s "$scratch/out" ] &&
        grep -q "^dentiplot: $line" "$scratch/err" || { echo "FAIL: exit $status"; exit 1; }
}
expect "no display found" env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1"
# A private X server at 8 bits per pixel; it names its display once ready.
Xvfb -displayfd 3 -screen 0 640x480x8 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 1 100); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
expect "the display shows only 256 colours (8 bits per pixel)" env DISPLAY=":$(cat "$scratch/display")" \
    XDG_RUNTIME_DIR="$scratch" QT_QPA_PLATFORM=xcb "$1"
echo "PASS"
