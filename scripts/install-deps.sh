#!/usr/bin/env bash
# Installs the Debian packages Dentiplot needs to build, test and run.
# Idempotent: packages already present are skipped, and apt is not touched
# at all when nothing is missing. Needs root (or sudo) only when installing.
set -euo pipefail

packages=(
    # build
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
    # packaging: Debian package with computed dependencies, desktop metadata checks
    dpkg-dev file appstream desktop-file-utils
    # fonts: Liberation Serif stands in for Times New Roman
    fonts-liberation fontconfig
    # tests and benchmarks
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    xvfb xauth x11-utils python3 time
    # printing: the CUPS client library, and a private scheduler for the tests
    libcups2-dev cups cups-client cups-bsd poppler-utils
    # dentiplot-batch: the streaming CSV parser
    libcsv-dev
    # sanitizer and fuzz builds (clang with libFuzzer, symbolized reports)
    # and the static checks
    clang-14 libclang-rt-14-dev llvm-14 clang-tidy-14
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "install-deps: all ${#packages[@]} packages present"
    exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
