#!/bin/bash
# Builds the fuzz targets with clang and runs each for $FUZZ_SECONDS (60 by
# default) from the seeds in fuzz/seeds/<target>. A finding fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/ensure-deps.sh fuzz
seconds=${FUZZ_SECONDS:-60}
build=${FUZZ_BUILD:-build-fuzz}
targets=$(sed -n 's/^veltrane_fuzzer(\([a-z_]*\).*/\1/p' fuzz/CMakeLists.txt)

CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRANE_FUZZ=ON \
    -DVELTRANE_SANITIZE=ON -DVELTRANE_BENCHMARKS=OFF -DBUILD_TESTING=OFF >/dev/null
# shellcheck disable=SC2086
cmake --build "$build" -j2 --target $targets

for t in $targets; do
    corpus=$(mktemp -d)
    log=$(mktemp)
    echo "== $t: ${seconds}s"
    status=0
    "$build/fuzz/$t" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$build/fuzz/$t-" "$corpus" "fuzz/seeds/${t#fuzz_}" >"$log" 2>&1 ||
        status=$?
    grep -E 'stat::number_of_executed_units|ERROR|SUMMARY|Done' "$log" || true
    rm -rf "$corpus"
    if [ "$status" -ne 0 ]; then
        tail -40 "$log"
        echo "$t found a fault (exit $status)" >&2
        exit 1
    fi
    rm -f "$log"
done
