#!/bin/sh
# Starts a private CUPS scheduler for the print tests and leaves its
# whereabouts in a state file (shell assignments) for the tests to read:
#   start-cupsd.sh <state file>         a fresh scheduler
#   start-cupsd.sh <state file> again   the same one again after stop-cupsd.sh ... keep
# Everything lives in a fresh folder under the temp directory; the machine's
# own scheduler and its configuration are not touched.
set -eu
state=$1
here=$(cd "$(dirname "$0")" && pwd)

# Starts the scheduler on $base, notes it in the state file and waits
# (bounded) until it answers.
launch() {
    setsid /usr/sbin/cupsd -f -c "$base/cupsd.conf" -s "$base/cups-files.conf" \
        > "$base/cupsd.log" 2>&1 < /dev/null &
    cat > "$state" <<STATE
CUPS_BASE='$base'
CUPS_SERVER='$base/sock'
CUPS_SERVERROOT='$base'
CUPSD_PID='$!'
CAPTURE_DIR='$base/jobs'
SCRIPTS='$here'
STATE
    for _ in $(seq 200); do
        CUPS_SERVER=$base/sock lpstat -r 2> /dev/null | grep -q "is running" && return
        sleep 0.05
    done
    cat "$base/cupsd.log" >&2
    exit 1
}

if [ "${2:-}" = again ]; then
    . "$state"
    base=$CUPS_BASE
    launch
    exit 0
fi
sh "$here/stop-cupsd.sh" "$state"
if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP_REASON='the private CUPS scheduler needs root'" > "$state"
    exit 0
fi
base=$(mktemp -d "${TMPDIR:-/tmp}/dentiplot-cups.XXXXXX")
chmod 0755 "$base"
# The backend, which runs as lp, writes the jobs folder.
mkdir -m 0777 "$base/jobs"
# The system's filters and helpers; our capture backend the only backend.
mkdir -p "$base/bin/backend"
ln -s /usr/lib/cups/filter /usr/lib/cups/daemon "$base/bin/"
install "$here/capture" "$base/bin/backend/"
printf 'Listen %s/sock\nBrowsing No\nDefaultAuthType None\nJobRetryLimit 0\n' "$base" \
    > "$base/cupsd.conf"
cat > "$base/cups-files.conf" <<CONF
ServerRoot $base
ServerBin $base/bin
CacheDir $base/cache
StateDir $base/state
RequestRoot $base/spool
ErrorLog stderr
AccessLog stderr
PageLog stderr
CONF

# A PDF printer's description for queue $1, PDF documents passing unchanged:
# default paper $2, default resolution $3, resolutions "$4", and papers as
# "<name> <width> <height> <left> <bottom> <right> <top>" in points.
queue() {
    name=$1 paper=$2 dpi=$3 dpis=$4
    shift 4
    {
        printf '*PPD-Adobe: "4.3"\n*cupsFilter2: "application/pdf application/pdf 0 -"\n'
        printf '*OpenUI *PageSize: PickOne\n*DefaultPageSize: %s\n' "$paper"
        for size in "$@"; do
            set -- $size
            printf '*PageSize %s: ""\n*ImageableArea %s: "%s %s %s %s"\n' "$1" "$1" "$4" "$5" "$6" "$7"
            printf '*PaperDimension %s: "%s %s"\n' "$1" "$2" "$3"
        done
        printf '*CloseUI: *PageSize\n*OpenUI *Resolution: PickOne\n*DefaultResolution: %sdpi\n' "$dpi"
        printf '*Resolution %sdpi: ""\n' $dpis
        printf '*CloseUI: *Resolution\n'
    } > "$base/$name.ppd"
    lpadmin -p "$name" -E -v "capture:$base/jobs" -P "$base/$name.ppd" 2> /dev/null
}
launch
export CUPS_SERVER="$base/sock" CUPS_SERVERROOT="$base"
# Every queue stores each job's document as a PDF in jobs/.
# The default: A4, 600 dpi, even 5 mm margins.
queue dentiplot A4 600 600 "A4 595 842 14.17 14.17 580.83 827.83"
# US Letter, 300 dpi, uneven margins.
queue dentiplot-letter Letter 300 300 "Letter 612 792 18 20 576 767"
# Defaults neither the first paper listed nor the first resolution.
queue dentiplot-multi Legal 360 "1200 360 180" "A4 595 842 10 10 585 832" \
    "Legal 612 1008 30 24 594 972"
# No printer description at all: no paper, no resolution.
lpadmin -p dentiplot-raw -E -v "capture:$base/jobs"
lpadmin -d dentiplot
