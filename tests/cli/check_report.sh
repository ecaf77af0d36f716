#!/usr/bin/env bash
# spanwise-calc --report writes a calculation report whose text names the project, carries the
# result table's titles and a value of the hand solution.  Usage: check_report.sh TOOL DATA_DIR
set -euo pipefail
tool=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

env -u XDG_RUNTIME_DIR "$tool" "$data/two_equal_spans.BMD" --report "$work/report.pdf" \
    > "$work/table.txt" 2> "$work/errors.txt"
grep -q '^第1跨' "$work/table.txt" || { echo "no table printed beside the report"; exit 1; }
# a good file prints nothing on stderr, even without a session's runtime folder
[ ! -s "$work/errors.txt" ] || { echo "stderr for a good file:"; cat "$work/errors.txt"; exit 1; }
text=$(pdftotext -layout "$work/report.pdf" -)
for expected in 'two_equal_spans.BMD' '连续梁内力计算书' '跨度(m)' '左端V(kN)' '右端M(kN*m)' '25.313' '-45' '第2跨'; do
    grep -qF -- "$expected" <<<"$text" || { echo "report lacks: $expected"; exit 1; }
done
pages=$(pdfinfo "$work/report.pdf" | awk '/^Pages:/ {print $2}')
[ "$pages" -ge 1 ] || { echo "no pages"; exit 1; }

# a report that cannot be written is an error of its own
if "$tool" "$data/two_equal_spans.BMD" --report "$work/no/such/folder/r.pdf" > /dev/null 2>&1; then
    echo "writing into a missing folder did not fail"; exit 1
fi
echo "report: ok ($pages pages)"
