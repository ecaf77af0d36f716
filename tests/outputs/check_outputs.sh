#!/usr/bin/env bash
# Every output of the batch tool on a set of beams (the examples, the test data and the designed
# beams of tests/outputs/beams), compared byte for byte with what tests/outputs/expected holds:
# the result table, --json, --envelope, --csv, --summary, --working, --design with and without
# --json, and the text of the calculation report (without the lines that carry today's time).
# A change of any output shows here as a diff; when the change is meant, run this script with
# --update and review the difference in the commit.
#   Usage: check_outputs.sh TOOL SOURCE_DIR [--update]
set -uo pipefail
tool=$1
src=$2
update=${3:-}
expected=$src/tests/outputs/expected
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

beams=("$src"/examples/*.BMD "$src"/tests/outputs/beams/*.BMD)
for f in dead_and_live favourable_dead main_beam_thirds moment_on_span point_load \
    redistributed_two_spans simple_span_live two_equal_spans; do
    beams+=("$src/tests/data/$f.BMD")
done
variants=("table:" "json:--json" "envelope:--envelope" "csv:--csv" "summary:--summary"
    "working:--working" "design:--design" "designjson:--design --json")

failed=0
for beam in "${beams[@]}"; do
    name=$(basename "$beam" .BMD)
    cp "$beam" "$work/$name.BMD"
    for v in "${variants[@]}"; do
        variant=${v%%:*}
        read -r -a args <<<"${v#*:}"
        out="$work/$name.$variant.txt"
        (cd "$work" && "$tool" "$name.BMD" "${args[@]}" >"$out" 2>"$out.err"; echo "exit $?" >>"$out.err")
        cat "$out.err" >>"$out"
        rm "$out.err"
    done
    (cd "$work" && "$tool" "$name.BMD" --report "$name.pdf" >/dev/null 2>&1)
    if [ -f "$work/$name.pdf" ]; then
        pdftotext -layout "$work/$name.pdf" - | grep -v -E '计算时间|计算日期' \
            >"$work/$name.report.txt"
    else
        echo "no report" >"$work/$name.report.txt"
    fi
done

if [ "$update" = "--update" ]; then
    rm -rf "$expected"
    mkdir -p "$expected"
    cp "$work"/*.txt "$expected"/
    echo "updated $(ls "$expected" | wc -l) outputs in $expected"
    exit 0
fi
for out in "$work"/*.txt; do
    name=$(basename "$out")
    if ! diff -u "$expected/$name" "$out" >"$work/diff" 2>&1; then
        echo "== $name differs:"
        head -40 "$work/diff"
        failed=1
    fi
done
for old in "$expected"/*.txt; do
    [ -f "$work/$(basename "$old")" ] || { echo "== $(basename "$old") no longer made"; failed=1; }
done
exit $failed
