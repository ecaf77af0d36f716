#!/usr/bin/env bash
# Times spanwise-calc as a design office runs it: the reader of the 20-span beam of 10 loads,
# the whole process of one run on that file, and one run over 1,000 copies of it with one
# worker and with every core.
#   Usage: bench/batch_timing.sh [BUILD_DIR [BASELINE_SPANWISE_CALC]]
# BUILD_DIR is a release build (default build/release); with a baseline program (an older
# spanwise-calc) the one-file run is timed against it. Needs farm-bench; valgrind, when there,
# counts the instructions of the one-file run.
set -euo pipefail
build=${1:-build/release}
baseline=${2:-}
tool=$build/src/cli/spanwise-calc
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/bench/make_bench_project" "$work/beam20x10.BMD" 1000 "$work/building"

echo "== the reader of the 20 x 10 file"
"$build/bench/reader_bench" --benchmark_filter=20/10 --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true

echo "== one file, the whole process"
if [ -n "$baseline" ]; then
    farm-bench -n 30 --warmup 3 --vs "$baseline $work/beam20x10.BMD" -- "$tool" "$work/beam20x10.BMD"
else
    farm-bench -n 30 --warmup 3 -- "$tool" "$work/beam20x10.BMD"
fi
if command -v valgrind > /dev/null; then
    for program in "$tool" $baseline; do
        valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out" \
            "$program" "$work/beam20x10.BMD" 2>&1 > /dev/null | grep -F 'refs' | sed "s|^|$program: |"
    done
fi

echo "== 1,000 files, every core against one worker"
cmp <("$tool" "$work/building" -j 1) <("$tool" "$work/building") ||
    { echo "the output depends on the number of workers"; exit 1; }
farm-bench -n 10 --vs "$tool $work/building -j 1" -- "$tool" "$work/building"
