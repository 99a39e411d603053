#!/bin/sh
# Stops the private CUPS scheduler of the state file and removes its folder:
#   stop-cupsd.sh <state file> [keep]
# With "keep" the folder and the state stay, for start-cupsd.sh ... again.
state=$1
[ -f "$state" ] || exit 0
. "$state"
if kill "${CUPSD_PID:-}" 2> /dev/null; then
    for _ in $(seq 100); do
        kill -0 "$CUPSD_PID" 2> /dev/null || break
        sleep 0.05
    done
    kill -9 "$CUPSD_PID" 2> /dev/null
fi
[ "${2:-}" = keep ] && exit 0
case ${CUPS_BASE:-} in */dentiplot-cups.*) rm -rf "$CUPS_BASE" ;; esac
rm -f "$state"
