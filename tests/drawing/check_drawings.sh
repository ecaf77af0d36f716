#!/bin/sh
# The detailing drawings read back by ezdxf: the hand-worked beams (written by
# detailing_drawings) and the examples with sections on every span (by spanwise-calc --dxf);
# each checked against its detailing as JSON. Usage: check_drawings.sh CALC WRITER EXAMPLES PYTHON
set -u
calc=$1 writer=$2 examples=$3 python=$4
here=$(dirname "$0")
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$writer" "$out" || exit 1
for name in main_beam secondary_beam; do
    "$calc" "$examples/$name.BMD" --detailing --json --dxf "$out/$name.dxf" > "$out/$name.json" ||
        { echo "spanwise-calc failed on $name"; exit 1; }
done
status=0
count=0
for dxf in "$out"/*.dxf; do
    "$python" "$here/check_dxf.py" "$dxf" "${dxf%.dxf}.json" || status=1
    count=$((count + 1))
done
[ "$count" -eq 7 ] || { echo "expected 7 drawings, found $count"; status=1; }
exit $status
