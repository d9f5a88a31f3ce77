#!/bin/bash
# Start-up time (until the first window is mapped) and peak memory of Veltrane
# against an empty Qt Widgets window, started alternately under Xvfb.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
runs=${2:-15}
cmake --build "$build" -j2 --target veltrane empty_window map_wait >/dev/null

out=$(mktemp -d)
# A desktop session has a session bus; without one, Qt's accessibility looks
# for it (and waits) before the first window maps, in either program alike
# but before the empty window's map only in ours, which is not what users see.
session=()
command -v dbus-run-session >/dev/null && session=(dbus-run-session --)
xvfb-run -a -s "-screen 0 1280x1024x24" "${session[@]}" bash -c "
    for i in \$(seq $runs); do
        '$build/bench/map_wait' 1000 '$build/bin/veltrane' >> '$out/app'
        '$build/bench/map_wait' 1000 '$build/bench/empty_window' >> '$out/empty'
    done" < /dev/null

median() { cut -d' ' -f"$1" "$2" | sort -n | LC_ALL=C awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
ratio() { LC_ALL=C awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }

app_ms=$(median 1 "$out/app"); empty_ms=$(median 1 "$out/empty")
app_kib=$(median 2 "$out/app"); empty_kib=$(median 2 "$out/empty")
echo "first window mapped, median of $runs: veltrane $app_ms ms, empty Qt window $empty_ms ms, ratio $(ratio "$app_ms" "$empty_ms")"
echo "peak resident memory, median:       veltrane $app_kib KiB, empty Qt window $empty_kib KiB, ratio $(ratio "$app_kib" "$empty_kib")"
rm -rf "$out"
