#!/usr/bin/env python3
"""Prints one table of every benchmark figure beside its baseline and the ratio.

Reads the Google Benchmark JSON files that scripts/bench.sh writes, one per
benchmark program, and pairs each figure with the baseline measured in the
same run of the same program.

    summarize.py <folder with *.json>
"""

import json
import pathlib
import sys

# (program, figure, baseline, what is compared, time to read)
#   "cpu" or "real" time per iteration; "/N": the figure per one of N items.
PAIRS = [
    ("bench_dentiplot", "EnterScoreWithRecomputation", "ComputeSectorsOnce",
     "score entry with recomputation vs the bare computation", "cpu"),
    ("bench_dentiplot", "ComputeSectorsOnce", "BaselineScoreSum",
     "sector computation vs summing the ten scores", "cpu"),
    ("bench_dentiplot", "ExhaustiveSweep", "ComputeSectorsOnce",
     "exhaustive sweep, per score set vs one computation", "cpu/5308416"),
    ("bench_dentiplot", "BM_LoadAndPaintPie", "BM_OneEllipse",
     "load 5 lines + paint a 525 px pie vs one ellipse", "cpu"),
    ("bench_dentiplot", "BM_ScoreChangeToRepaint", "BM_RepaintOnly",
     "score change to chart repainted vs the repaint alone", "cpu"),
    ("bench_dentiplot", "Startup/Dentiplot", "Startup/BareMainWindow",
     "start-up to first paint vs a bare main window with one line (median)", "real"),
    ("bench_printing", "ReportAndAdvice", "OneLineJob",
     "report (200 comment lines) + advice vs a one-line job", "real"),
    ("bench_batch", "AssessCohort", "SplitCohort",
     "batch: 1,000,000 rows assessed vs read and split", "real"),
    ("bench_batch", "PeakResident/Million", "PeakResident/TenThousand",
     "batch: peak resident MiB, 1,000,000 vs 10,000 rows", "peak_MiB"),
    ("bench_batch", "OnePatientReport", "LinesPage/OneLine",
     "batch: one patient's report PDF vs a one-line page", "real"),
    ("bench_batch", "OnePatientReport", "LinesPage/TwoWeights",
     "batch: one patient's report PDF vs a page in both weights", "real"),
    ("bench_batch", "ThousandReports/AllCores", "ThousandReports/OneCore",
     "batch: 1,000 reports on every core vs on one core", "real"),
]

UNIT_TO_NS = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}


def figure_ns(run, kind, per=1):
    return run[kind + "_time"] * UNIT_TO_NS[run.get("time_unit", "ns")] / per


def readable(ns):
    for unit, size in (("s", 1e9), ("ms", 1e6), ("us", 1e3)):
        if ns >= size:
            return f"{ns / size:.3g} {unit}"
    return f"{ns:.3g} ns"


def name(run):
    """The benchmark's name without the run's settings ("iterations:1", ...)."""
    parts = run.get("run_name", run["name"]).split("/")
    settings = ("manual_time", "process_time", "real_time")
    return "/".join(p for p in parts if ":" not in p and p not in settings)


def load(folder):
    runs = {}
    for path in sorted(pathlib.Path(folder).glob("*.json")):
        try:
            data = json.loads(path.read_text())
        except (OSError, ValueError):
            continue
        for run in data.get("benchmarks", []):
            # A benchmark repeated for its median reports only aggregates.
            if run.get("run_type", "iteration") == "iteration" or \
                    run.get("aggregate_name") == "median":
                runs.setdefault((path.stem, name(run)), run)
    return runs


def main():
    runs = load(sys.argv[1] if len(sys.argv) > 1 else ".")
    print("| what | figure | baseline | ratio |")
    print("|---|---|---|---|")
    for program, figure, baseline, what, value in PAIRS:
        a = runs.get((program, figure))
        b = runs.get((program, baseline))
        if a is None or b is None:
            print(f"| {what} | not measured | | |")
            continue
        if value.endswith("_MiB"):
            fa, fb = a[value], b[value]
            print(f"| {what} | {fa:.1f} MiB | {fb:.1f} MiB | {fa / fb:.2f} |")
            continue
        # "/N" divides the figure only: the baseline is one item already.
        kind, _, per = value.partition("/")
        fa, fb = figure_ns(a, kind, int(per or 1)), figure_ns(b, kind)
        ratio = fa / fb if fb > 0 else float("nan")
        print(f"| {what} | {readable(fa)} | {readable(fb)} | {ratio:.2f} |")
    return 0


if __name__ == "__main__":
    sys.exit(main())
