#!/bin/sh
# Starts a private CUPS scheduler for the print tests and leaves its
# whereabouts in a state file (shell assignments) for the tests to read:
#   start-cupsd.sh <state file>
# Everything lives in a fresh folder under the temp directory: configuration,
# spool, cache, state, logs, the listening socket and the captured jobs. The
# machine's own scheduler and its configuration are not touched.
#
# Queues, all storing every job as a PDF in jobs/:
#   dentiplot         the default: A4, 600 dpi, even 5 mm margins
#   dentiplot-letter  US Letter, 300 dpi, uneven margins
#   dentiplot-multi   several papers and resolutions; defaults Legal, 360 dpi
#   dentiplot-raw     no printer description at all: no paper, no resolution
set -eu

state=$1
here=$(cd "$(dirname "$0")" && pwd)
# A scheduler left behind by an interrupted run is stopped first.
sh "$here/stop-cupsd.sh" "$state"

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP_REASON='the private CUPS scheduler needs root'" > "$state"
    echo "start-cupsd: not root, the print tests will skip"
    exit 0
fi

base=$(mktemp -d "${TMPDIR:-/tmp}/dentiplot-cups.XXXXXX")
chmod 0755 "$base"
mkdir -p "$base/root/ppd" "$base/bin/backend" "$base/spool/tmp" "$base/cache" \
         "$base/state/certs" "$base/log" "$base/jobs"
chmod 0777 "$base/jobs"
chown root:lp "$base/spool" "$base/spool/tmp" "$base/cache" "$base/state"
chmod 0710 "$base/spool"
chmod 1770 "$base/spool/tmp"
chmod 0770 "$base/cache"
chmod 0755 "$base/state"

# The scheduler's program folder: the system's programs, plus our backend.
for entry in /usr/lib/cups/*; do
    name=$(basename "$entry")
    [ "$name" = backend ] || ln -s "$entry" "$base/bin/$name"
done
for entry in /usr/lib/cups/backend/*; do
    ln -s "$entry" "$base/bin/backend/$(basename "$entry")"
done
install -m 0755 "$here/capture" "$base/bin/backend/capture"

socket="$base/cups.sock"
cat > "$base/root/cupsd.conf" <<CONF
LogLevel warn
Listen $socket
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
DefaultAuthType None
JobRetryLimit 0
PreserveJobHistory Yes
PreserveJobFiles No
MaxJobs 0
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

setsid /usr/sbin/cupsd -f -c "$base/root/cupsd.conf" -s "$base/root/cups-files.conf" \
    > "$base/log/cupsd.out" 2>&1 < /dev/null &
pid=$!
echo "$pid" > "$base/cupsd.pid"

# Wait (bounded) until the scheduler answers on its socket.
tries=0
until CUPS_SERVER=$socket lpstat -r 2> /dev/null | grep -q "is running"; do
    tries=$((tries + 1))
    if [ $tries -gt 200 ] || ! kill -0 "$pid" 2> /dev/null; then
        echo "start-cupsd: the scheduler did not come up" >&2
        cat "$base/log/cupsd.out" "$base/log/error_log" >&2 2> /dev/null || true
        kill "$pid" 2> /dev/null || true
        exit 1
    fi
    sleep 0.05
done

export CUPS_SERVER="$socket" CUPS_SERVERROOT="$base/root" CUPS_STATEDIR="$base/state"
lpadmin -p dentiplot -E -v "capture:$base/jobs" -P "$here/dentiplot-test.ppd" 2>> "$base/log/lpadmin.out"
lpadmin -p dentiplot-letter -E -v "capture:$base/jobs" -P "$here/letter-300.ppd" 2>> "$base/log/lpadmin.out"
lpadmin -p dentiplot-multi -E -v "capture:$base/jobs" -P "$here/multi-paper.ppd" 2>> "$base/log/lpadmin.out"
lpadmin -p dentiplot-raw -E -v "capture:$base/jobs" 2>> "$base/log/lpadmin.out"
lpadmin -d dentiplot

cat > "$state" <<STATE
CUPS_BASE='$base'
CUPS_SERVER='$socket'
CUPS_SERVERROOT='$base/root'
CUPS_STATEDIR='$base/state'
CUPSD_PID='$pid'
CAPTURE_DIR='$base/jobs'
PPD='$here/dentiplot-test.ppd'
STATE
echo "start-cupsd: scheduler $pid on $socket"
