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
for expected in 'two_equal_spans.BMD' '连续梁内力计算书' '跨度(m)' '左端V(kN)' '右端M(kN*m)' '25.313' '-45' '第2跨' \
    '六、挠度验算' '按输入 EI 计算的弹性挠度'; do
    grep -qF -- "$expected" <<<"$text" || { echo "report lacks: $expected"; exit 1; }
done
pages=$(pdfinfo "$work/report.pdf" | awk '/^Pages:/ {print $2}')
[ "$pages" -ge 1 ] || { echo "no pages"; exit 1; }
# every page is stamped: the program, the verification, the page of how many, and the file with
# the digest of its bytes
digest=$(sha256sum "$data/two_equal_spans.BMD" | cut -d' ' -f1)
for n in $(seq 1 "$pages"); do
    page=$(pdftotext -f "$n" -l "$n" -layout "$work/report.pdf" -)
    for expected in "第 $n 页 共 $pages 页" "SHA-256 $digest" '验证算例 24/24 通过' 'Spanwise 0.'; do
        grep -qF -- "$expected" <<<"$page" || { echo "page $n lacks: $expected"; exit 1; }
    done
done

grep -qF '荷载组合与包络' <<<"$text" && { echo "an envelope section without live loads"; exit 1; }

# with live loads: the table says what it holds, and the envelope follows with its worst values
# (two 6 m spans, g = 20 and q = 10 kN/m: 1.3 x 20 + 1.5 x 10 = 41 on both spans gives
# -41 x 36 / 8 = -184.5 over the middle support and R = 1.25 x 41 x 6 = 307.5 there)
"$tool" "$data/dead_and_live.BMD" --report "$work/live.pdf" > /dev/null
text=$(pdftotext -layout "$work/live.pdf" -)
for expected in '荷载标准值，活载满布' '五、荷载组合与包络' 'γG = 1.3，γQ = 1.5' '-184.5' '307.5' \
    '内力包络图' '七、挠度验算' '准永久组合 G+ψqQ'; do
    grep -qF -- "$expected" <<<"$text" || { echo "live-load report lacks: $expected"; exit 1; }
done

# the working of the moment distribution follows the results; eight rounds are cut to two
grep -qF '六、弯矩分配过程' <<<"$text" || { echo "live-load report lacks its working"; exit 1; }
"$tool" "$data/../../examples/three_equal_spans.BMD" --report "$work/working.pdf" > /dev/null
text=$(pdftotext -layout "$work/working.pdf" -)
for expected in '五、弯矩分配过程' '转动刚度S' '分配系数μ' '固端弯矩' '……共 8 轮' '合计' '37.5'; do
    grep -qF -- "$expected" <<<"$text" || { echo "report's working lacks: $expected"; exit 1; }
done

# the title block the project file keeps (办公楼 in GBK) heads the first page
printf '1,1,0,0\r\n6,1,1,1,0\r\n10,0,0,0,0\r\n"q",1\r\n"Spanwise",1\r\n"factors",1.3,1.5,1\r\n"project","\xB0\xEC\xB9\xAB\xC2\xA5"\r\n"checker","Li"\r\n' \
    > "$work/titled.BMD"
"$tool" "$work/titled.BMD" --report "$work/titled.pdf" > /dev/null
text=$(pdftotext -f 1 -l 1 -layout "$work/titled.pdf" -)
for expected in '工程名称' '办公楼' '校对' 'Li' '审核'; do
    grep -qF -- "$expected" <<<"$text" || { echo "title block lacks: $expected"; exit 1; }
done

# a report that cannot be written is an error of its own
if "$tool" "$data/two_equal_spans.BMD" --report "$work/no/such/folder/r.pdf" > /dev/null 2>&1; then
    echo "writing into a missing folder did not fail"; exit 1
fi
# the report is a module of its own: without it a report fails with the reason, and a run
# without a report does not need it
cp "$tool" "$work/alone-calc"
"$work/alone-calc" "$data/two_equal_spans.BMD" > "$work/table2.txt" 2>&1 ||
    { echo "a run without a report needed the module"; exit 1; }
set +e
"$work/alone-calc" "$data/two_equal_spans.BMD" --report "$work/r.pdf" > /dev/null 2> "$work/errors.txt"
code=$?
set -e
[ $code -eq 4 ] || { echo "no report module: exit $code, expected 4"; exit 1; }
grep -qF '找不到计算书模块 libspanwise-calc-report.so' "$work/errors.txt" ||
    { echo "no report module, and stderr says: $(cat "$work/errors.txt")"; exit 1; }
echo "report: ok ($pages pages)"
