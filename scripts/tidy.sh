#!/usr/bin/env bash
# Runs clang-tidy (checks in .clang-tidy) over Dentiplot's own sources in a
# build's compile_commands.json and counts the findings per folder.
#
#   scripts/tidy.sh [build-dir] [folder...]
#
# build-dir defaults to build/ci and must have been built (the generated moc
# and resource headers are needed); folders (e.g. piechart tests/piechart)
# narrow the run; TIDY_JOBS sets how many files are checked at once (default:
# one per core). Every finding is written to <build-dir>/tidy/findings.txt.
# Exit status: 0 without findings, 1 with findings, 2 when clang-tidy could
# not analyse a file.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
build="${1:-build/ci}"
shift $(($# > 0 ? 1 : 0))
build="$(cd "$build" && pwd)"

tidy="$(command -v clang-tidy-14 || command -v clang-tidy || true)"
if [ -z "$tidy" ]; then
    echo "tidy: clang-tidy is not installed (scripts/install-deps.sh installs it)" >&2
    exit 2
fi
if [ ! -f "$build/compile_commands.json" ]; then
    echo "tidy: no compile_commands.json in $build; configure and build it first" >&2
    exit 2
fi

# Our own translation units: not the generated ones inside build folders.
mapfile -t files < <(
    grep -o '"file": *"[^"]*"' "$build/compile_commands.json" |
        sed -e 's/^"file": *"//' -e 's/"$//' |
        grep "^$root/" | grep -v -E "^$root/(build|out)[^/]*/" | sort -u
)
if [ $# -gt 0 ]; then
    pattern="$(printf '%s|' "$@")"
    mapfile -t files < <(printf '%s\n' "${files[@]}" | grep -E "^$root/(${pattern%|})/")
fi
if [ ${#files[@]} -eq 0 ]; then
    echo "tidy: no sources to check" >&2
    exit 2
fi

out="$build/tidy"
mkdir -p "$out"
echo "tidy: checking ${#files[@]} files with $("$tidy" --version | grep -o 'version [0-9.]*')"
status=0
printf '%s\n' "${files[@]}" |
    xargs -P "${TIDY_JOBS:-$(nproc)}" -n 1 "$tidy" -p "$build" --quiet >"$out/raw.txt" 2>"$out/errors.txt" ||
    status=$?

# A header's finding is reported once per file that includes it: keep one.
grep -E '^/[^:]+:[0-9]+:[0-9]+: (warning|error): .*\[[a-z].*\]$' "$out/raw.txt" |
    sed "s#^$root/##" | sort -u >"$out/findings.txt" || true

echo "tidy: findings per folder"
awk -F: '{ n = split($1, p, "/"); f = (p[1] == "tests" || p[1] == "bench") && n > 2 ? p[1] "/" p[2] : p[1]; c[f]++ }
         END { for (f in c) printf "  %-20s %d\n", f, c[f] }' "$out/findings.txt" | sort
echo "tidy: findings per check"
{ grep -o '\[[a-z][a-z0-9.,-]*\]$' "$out/findings.txt" || true; } | sort | uniq -c | sort -rn |
    sed 's/^/  /'
count="$(wc -l <"$out/findings.txt")"
echo "tidy: $count findings in total (details in $out/findings.txt)"

if grep -q -E 'error: ' "$out/raw.txt" || [ "$status" -ge 128 ]; then
    echo "tidy: clang-tidy reported errors (see $out/raw.txt and $out/errors.txt)" >&2
    exit 2
fi
[ "$count" -eq 0 ]
