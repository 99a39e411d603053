#!/bin/sh
# Starts a private CUPS scheduler for the print tests and leaves its
# whereabouts in a state file (shell assignments) for the tests to read:
#   start-cupsd.sh <state file>         a fresh scheduler
#   start-cupsd.sh <state file> again   the same one again after stop-cupsd.sh ... keep
# Everything lives in a fresh folder under the temp directory: configuration,
# spool, cache, state, logs, the listening socket and the captured jobs. The
# machine's own scheduler and its configuration are not touched.
#
# Queues, all storing every job as a PDF in jobs/:
#   dentiplot         the default: A4, 600 dpi, even 5 mm margins
#   dentiplot-letter  US Letter, 300 dpi, uneven margins, so a printout that
#                     ignores the printer's own paper or margins is caught
#   dentiplot-multi   several papers and resolutions; its defaults (Legal,
#                     360 dpi) are neither the first paper nor the first listed
#   dentiplot-raw     no printer description at all: no paper, no resolution
set -eu

state=$1
here=$(cd "$(dirname "$0")" && pwd)

# Starts the scheduler on $base's configuration and waits (bounded) until it
# answers on its socket.
launch() {
    setsid /usr/sbin/cupsd -f -c "$base/root/cupsd.conf" -s "$base/root/cups-files.conf" \
        > "$base/log/cupsd.out" 2>&1 < /dev/null &
    pid=$!
    for _ in $(seq 200); do
        CUPS_SERVER="$base/cups.sock" lpstat -r 2> /dev/null | grep -q "is running" && return
        kill -0 "$pid" 2> /dev/null || break
        sleep 0.05
    done
    echo "start-cupsd: the scheduler did not come up" >&2
    cat "$base/log/cupsd.out" "$base/log/error_log" >&2 2> /dev/null || true
    kill "$pid" 2> /dev/null || true
    exit 1
}

if [ "${2:-}" = again ]; then
    . "$state"
    base=$CUPS_BASE
    launch
    sed -i "s/^CUPSD_PID=.*/CUPSD_PID='$pid'/" "$state"
    exit 0
fi

# A scheduler left behind by an interrupted run is stopped first.
sh "$here/stop-cupsd.sh" "$state"

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP_REASON='the private CUPS scheduler needs root'" > "$state"
    echo "start-cupsd: not root, the print tests will skip"
    exit 0
fi

base=$(mktemp -d "${TMPDIR:-/tmp}/dentiplot-cups.XXXXXX")
# The scheduler makes its spool, cache and state folders and sets their
# owners; the jobs folder is written by the backend, which runs as lp.
chmod 0755 "$base"
mkdir -p "$base/root/ppd" "$base/bin/backend" "$base/spool/tmp" "$base/cache" "$base/state" \
    "$base/log" "$base/jobs"
chmod 0777 "$base/jobs"

# The scheduler's program folder: the system's programs, our backend the only one.
for entry in /usr/lib/cups/*; do
    [ "${entry##*/}" = backend ] || ln -s "$entry" "$base/bin/"
done
install -m 0755 "$here/capture" "$base/bin/backend/capture"

cat > "$base/root/cupsd.conf" <<CONF
Listen $base/cups.sock
Browsing No
DefaultAuthType None
JobRetryLimit 0
PreserveJobFiles No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat > "$base/root/cups-files.conf" <<CONF
User lp
Group lp
SystemGroup root
ServerRoot $base/root
ServerBin $base/bin
CacheDir $base/cache
StateDir $base/state
RequestRoot $base/spool
TempDir $base/spool/tmp
AccessLog $base/log/access_log
ErrorLog $base/log/error_log
PageLog $base/log/page_log
FatalErrors none
CONF

# A small PDF printer's description, PDF documents passing to the backend
# unchanged: ppd <file> <default paper> <default dpi> "<dpi>..." <paper>...,
# each paper "<name> <width> <height> <left> <bottom> <right> <top>" in points.
ppd() {
    file=$1 paper=$2 dpi=$3 dpis=$4
    shift 4
    {
        printf '*PPD-Adobe: "4.3"\n*ColorDevice: True\n*NickName: "Dentiplot test printer"\n'
        printf '*cupsFilter2: "application/pdf application/pdf 0 -"\n*OpenUI *PageSize: PickOne\n'
        printf '*Default%s: %s\n' PageSize "$paper" ImageableArea "$paper" PaperDimension "$paper"
        for size in "$@"; do
            set -- $size
            printf '*PageSize %s: "<</PageSize[%s %s]>>setpagedevice"\n' "$1" "$2" "$3"
            printf '*ImageableArea %s: "%s %s %s %s"\n' "$1" "$4" "$5" "$6" "$7"
            printf '*PaperDimension %s: "%s %s"\n' "$1" "$2" "$3"
        done
        printf '*CloseUI: *PageSize\n*OpenUI *Resolution: PickOne\n*DefaultResolution: %sdpi\n' "$dpi"
        for d in $dpis; do
            printf '*Resolution %sdpi: "<</HWResolution[%s %s]>>setpagedevice"\n' "$d" "$d" "$d"
        done
        printf '*CloseUI: *Resolution\n'
    } > "$file"
}
ppd "$base/a4.ppd" A4 600 600 "A4 595 842 14.17 14.17 580.83 827.83"
ppd "$base/letter.ppd" Letter 300 300 "Letter 612 792 18 20 576 767"
ppd "$base/multi.ppd" Legal 360 "1200 600 360 180" "A4 595 842 10 10 585 832" \
    "Letter 612 792 12 12 600 780" "Legal 612 1008 30 24 594 972" "A5 420 595 8 8 412 587"

launch
export CUPS_SERVER="$base/cups.sock" CUPS_SERVERROOT="$base/root" CUPS_STATEDIR="$base/state"
for queue in dentiplot:a4 dentiplot-letter:letter dentiplot-multi:multi dentiplot-raw:; do
    name=${queue%:*} description=${queue#*:}
    lpadmin -p "$name" -E -v "capture:$base/jobs" ${description:+-P "$base/$description.ppd"} \
        2>> "$base/log/lpadmin.out"
done
lpadmin -d dentiplot

cat > "$state" <<STATE
CUPS_BASE='$base'
CUPS_SERVER='$base/cups.sock'
CUPS_SERVERROOT='$base/root'
CUPS_STATEDIR='$base/state'
CUPSD_PID='$pid'
CAPTURE_DIR='$base/jobs'
PPD='$base/a4.ppd'
SCRIPTS='$here'
STATE
echo "start-cupsd: scheduler $pid on $base/cups.sock"
