#!/usr/bin/env bash
# Runs every benchmark (optimised build) and prints one table with each
# figure beside its baseline from the same run. The print benchmarks need a
# private print scheduler, started here when run as root; without it those
# rows are not measured. Arguments go to the benchmark program (e.g. a
# --benchmark_filter).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh dev
out=build/dev/bench-results.txt
export QT_QPA_PLATFORM=offscreen
state=$(mktemp)
trap 'sh tests/printing/cups/stop-cupsd.sh "$state"; rm -f "$state"' EXIT
if [ "$(id -u)" = 0 ] && sh tests/printing/cups/start-cupsd.sh "$state" >&2; then
    # shellcheck disable=SC1090
    . "$state"
    if [ -z "${SKIP_REASON:-}" ]; then
        export CUPS_SERVER CUPS_SERVERROOT
        unset LPDEST PRINTER
    fi
fi
build/dev/bench/bench_dentiplot --benchmark_out="$out" --benchmark_out_format=console "$@" >&2
echo
echo "Measured on $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'), $(date -u +%Y-%m-%d):"
echo
# figure | baseline | time read (cpu, real; "/N": the figure per one of N items; peak) | what
awk -F'|' -v OFS='' '
BEGIN { unit["ns"] = 1; unit["us"] = 1e3; unit["ms"] = 1e6; unit["s"] = 1e9 }
function shown(ns) {
    return ns >= 1e9 ? sprintf("%.3g s", ns / 1e9) : ns >= 1e6 ? sprintf("%.3g ms", ns / 1e6) : \
        ns >= 1e3 ? sprintf("%.3g us", ns / 1e3) : sprintf("%.3g ns", ns)
}
FNR == NR { pair[++pairs] = $0; next }
{ split($0, f, " ") }
f[3] in unit && f[1] !~ /_(mean|stddev|cv)$/ {
    name = f[1]; sub(/_median$/, "", name)
    gsub(/\/[a-z_]+:[^\/]*|\/(manual|real|process)_time/, "", name)
    time["real", name] = f[2] * unit[f[3]]; time["cpu", name] = f[4] * unit[f[5]]
    if (match($0, /peak_MiB=[0-9.]+/)) time["peak", name] = substr($0, RSTART + 9, RLENGTH - 9)
}
END {
    print "| what | figure | baseline | ratio |"; print "|---|---|---|---|"
    for (i = 1; i <= pairs; i++) {
        split(pair[i], p, "|"); per = split(p[3], read, "/") > 1 ? read[2] : 1
        a = time[read[1], p[1]] / per; b = time[read[1], p[2]]
        if (!a || !b) { print "| ", p[4], " | not measured | | |"; continue }
        fa = read[1] == "peak" ? sprintf("%.1f MiB", a) : shown(a)
        fb = read[1] == "peak" ? sprintf("%.1f MiB", b) : shown(b)
        print "| ", p[4], " | ", fa, " | ", fb, " | ", sprintf("%.2f", a / b), " |"
    }
}' - "$out" <<'PAIRS'
EnterScoreWithRecomputation|ComputeSectors/Once|cpu|score entry with recomputation vs the bare computation
ComputeSectors/Once|ComputeSectors/BaselineScoreSum|cpu|sector computation vs summing the ten scores
ExhaustiveSweep|ComputeSectors/Once|cpu/5308416|exhaustive sweep, per score set vs one computation
PaintPie/LoadAndPaint|PaintPie/OneEllipse|cpu|load 5 lines + paint a 525 px pie vs one ellipse
ScoreChangeToRepaint/Change|ScoreChangeToRepaint/RepaintOnly|cpu|score change to chart repainted vs the repaint alone
Startup/Dentiplot|Startup/BareMainWindow|real|start-up to first paint vs a bare main window with one line (median)
PrintJobs/ReportAndAdvice|PrintJobs/OneLineJob|real|report (200 comment lines) + advice vs a one-line job
RunCohort/Million|SplitCohort|real|batch: 1,000,000 rows assessed vs read and split
RunCohort/Million|RunCohort/TenThousand|peak|batch: peak resident MiB, 1,000,000 vs 10,000 rows
PdfPage/OnePatientReport|PdfPage/OneLine|real|batch: one patient's report PDF vs a one-line page
PdfPage/OnePatientReport|PdfPage/TwoWeights|real|batch: one patient's report PDF vs a page in both weights
RunCohort/ThousandReportsAllCores|RunCohort/ThousandReportsOneCore|real|batch: 1,000 reports on every core vs on one core
PAIRS
