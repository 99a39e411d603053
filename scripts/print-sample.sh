#!/usr/bin/env bash
# Prints a sample assessment through a private print scheduler (started here
# and stopped again; the machine's own printing is not touched) and pictures
# the captured jobs: page 1 of the chart report in colour and in black and
# white, and the advice page, as PNG files in docs/. Needs root.
#   scripts/print-sample.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/dev}"
cmake --build "$build" --target print_sample

work=$(mktemp -d)
state="$work/cupsd.state"
trap 'sh tests/printing/cups/stop-cupsd.sh "$state"; rm -rf "$work"' EXIT
sh tests/printing/cups/start-cupsd.sh "$state"
# shellcheck disable=SC1090
. "$state"
if [ -n "${SKIP_REASON:-}" ]; then
    echo "print-sample: $SKIP_REASON" >&2
    exit 1
fi
export CUPS_SERVER CUPS_SERVERROOT
unset LPDEST PRINTER

"$build/tests/printing/print_sample"

# The three jobs, in the order printed: colour report, black and white
# report, advice. Wait (bounded) for the backend to store them.
for _ in $(seq 200); do
    [ "$(find "$CAPTURE_DIR" -name '*.pdf' | wc -l)" -ge 3 ] && break
    sleep 0.1
done
mapfile -t jobs < <(find "$CAPTURE_DIR" -name '*.pdf' -printf '%f\n' | sort -n)
if [ "${#jobs[@]}" -lt 3 ]; then
    echo "print-sample: only ${#jobs[@]} of 3 jobs arrived" >&2
    exit 1
fi

mkdir -p docs
render() { # <pdf> <png without extension>
    pdftoppm -r 100 -f 1 -l 1 -singlefile -png "$CAPTURE_DIR/$1" "$2"
    echo "print-sample: $2.png"
}
render "${jobs[0]}" docs/report-page1-colour
render "${jobs[1]}" docs/report-page1
render "${jobs[2]}" docs/advice-page
