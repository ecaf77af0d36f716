#!/usr/bin/env bash
# spanwise-calc over several files and folders: each file prints what it prints alone, a bad
# file is reported and the others still calculated, the order does not depend on -j, the exit
# code is the worst of the run, and --report-dir writes one report per file.
# Usage: check_batch.sh TOOL DATA_DIR
set -uo pipefail
tool=$1
cd "$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

building=(building/floor1/Point_Load.bmd building/floor1/two_equal_spans.BMD
          building/floor2/dead_and_live.Bmd building/floor2/roof/two_equal_spans.BMD)

# What a run over the given files must print, from one run per file. $1: the mode's options
# (one word or empty), then the files.
expected_text() {
    local options=$1 first=1
    shift
    for f in "$@"; do
        [ $first -eq 1 ] || echo
        first=0
        echo "==> $f <=="
        "$tool" "$f" $options
    done
}
expected_csv() {
    printf '\xEF\xBB\xBF'
    for f in "$@"; do
        "$tool" "$f" --csv | tail -c +4 | sed "s|^|$f,|"
    done
}

# a folder (every *.BMD below it, any letter case, sorted) and a file in one run
for options in "" "--envelope" "--at 1 1"; do
    "$tool" building/ point_load.BMD $options > "$work/run.out" 2> "$work/run.err"
    code=$?
    expected_text "$options" "${building[@]}" point_load.BMD > "$work/alone.out"
    cmp -s "$work/run.out" "$work/alone.out" || fail "folder run '$options' differs from single runs"
    [ $code -eq 0 ] || fail "folder run '$options' exit $code"
    [ ! -s "$work/run.err" ] || fail "folder run '$options' wrote on stderr: $(cat "$work/run.err")"
done
"$tool" building point_load.BMD --csv > "$work/run.csv"
expected_csv "${building[@]}" point_load.BMD > "$work/alone.csv"
cmp -s "$work/run.csv" "$work/alone.csv" || fail "folder CSV differs from the single CSVs"

# a bad file in the middle is named on stderr; the files around it are still calculated
"$tool" two_equal_spans.BMD malformed.BMD point_load.BMD > "$work/run.out" 2> "$work/run.err"
code=$?
[ $code -eq 2 ] || fail "a malformed file in the middle: exit $code, expected 2"
expected_text "" two_equal_spans.BMD point_load.BMD > "$work/alone.out"
cmp -s "$work/run.out" "$work/alone.out" || fail "the good files around a bad one differ"
{ "$tool" malformed.BMD 2>&1 >/dev/null | sed 's|^|malformed.BMD: |'; } > "$work/alone.err"
cmp -s "$work/run.err" "$work/alone.err" || fail "stderr of a bad file: $(cat "$work/run.err")"

# the exit code is the worst that happened
while read -r expected args; do
    "$tool" $args > /dev/null 2>&1
    code=$?
    [ $code -eq "$expected" ] || fail "spanwise-calc $args: exit $code, expected $expected"
done <<CASES
0 two_equal_spans.BMD point_load.BMD
1 two_equal_spans.BMD check_errors.BMD
2 check_errors.BMD malformed.BMD two_equal_spans.BMD
2 two_equal_spans.BMD empty_floor
3 overflow.BMD malformed.BMD check_errors.BMD
4 two_equal_spans.BMD check_errors.BMD --report-dir $work/run.out/reports
CASES

# many files, good and bad: the same bytes with one worker and with four, and with stderr not
# a terminal nothing but the errors
mkdir "$work/many"
for n in $(seq -w 1 12); do
    for f in two_equal_spans point_load dead_and_live check_errors malformed; do
        cp "$f.BMD" "$work/many/$n-$f.BMD"
    done
done
for options in "" "--json" "--csv" "--summary" "--envelope"; do
    "$tool" "$work/many" $options -j 1 > "$work/j1.out" 2> "$work/j1.err"
    c1=$?
    "$tool" "$work/many" $options -j 4 > "$work/j4.out" 2> "$work/j4.err"
    c4=$?
    cmp -s "$work/j1.out" "$work/j4.out" || fail "stdout with -j 1 and -j 4 differs ('$options')"
    cmp -s "$work/j1.err" "$work/j4.err" || fail "stderr with -j 1 and -j 4 differs ('$options')"
    [ $c1 -eq 2 ] && [ $c4 -eq 2 ] || fail "exit $c1 and $c4 for the many files, expected 2"
    lines=$(grep -vc ': ' "$work/j4.err")
    [ "$lines" -eq 0 ] || fail "stderr holds $lines lines that name no file ('$options')"
done
headed=$("$tool" "$work/many" 2>/dev/null | grep -c '^==> ')
[ "$headed" -eq 36 ] || fail "the table of 60 files heads $headed files, expected the 36 good ones"

# one report per file, named after it; a second file of the same name gets -2
"$tool" building --report-dir "$work/reports" -j 2 > /dev/null 2> "$work/report.err" ||
    fail "--report-dir: exit $?: $(cat "$work/report.err")"
for pdf in Point_Load.pdf two_equal_spans.pdf two_equal_spans-2.pdf dead_and_live.pdf; do
    [ -s "$work/reports/$pdf" ] || fail "--report-dir did not write $pdf"
done
# (the text first: grep -q leaves early, and pdftotext writing on would fail the pipe)
report_text=$(pdftotext "$work/reports/dead_and_live.pdf" - 2>/dev/null)
grep -qF '荷载组合与包络' <<<"$report_text" ||
    fail "the report of dead_and_live lacks its envelope section"
report_text=$(pdftotext "$work/reports/two_equal_spans-2.pdf" - 2>/dev/null)
grep -qF 'two_equal_spans.BMD' <<<"$report_text" ||
    fail "the second two_equal_spans report does not name its project"

# names that meet, in sorted order x/a.BMD, y/a-2.BMD, y/a.BMD: the second a.BMD cannot take
# a-2.pdf, which y/a-2.BMD has, and takes a-3.pdf
mkdir -p "$work/same/x" "$work/same/y"
for f in x/a.BMD y/a.BMD y/a-2.BMD; do cp point_load.BMD "$work/same/$f"; done
"$tool" "$work/same" --report-dir "$work/same-reports" > /dev/null 2>&1 || fail "same names: exit $?"
written=$(cd "$work/same-reports" && ls | tr '\n' ' ')
[ "$written" = "a-2.pdf a-3.pdf a.pdf " ] || fail "reports of files with the same name: $written"

# on a terminal, a run of more than 20 files shows how far it is
if command -v script > /dev/null; then
    script -qec "'$tool' '$work/many' -j 2 > /dev/null" /dev/null > "$work/terminal.txt" 2>&1
    grep -qF '已完成 60/60 个文件，用时' "$work/terminal.txt" ||
        fail "no progress line on a terminal: $(cat "$work/terminal.txt")"
fi

[ $failures -eq 0 ] || exit 1
echo "batch: ok"
