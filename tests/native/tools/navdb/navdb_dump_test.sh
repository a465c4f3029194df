#!/bin/sh
# navdb dump over an imported runways table with one record marked deleted in the file: every
# record in record order, the deletion mark on the marked one, the fields as stored; after a
# rebuild only the live record remains.
# Usage: navdb_dump_test.sh NAVDB WORKDIR
set -u
navdb=$1
work=$2
rm -rf "$work" && mkdir -p "$work"
"$navdb" init "$work/data" >/dev/null || exit 1
fail() { echo "FAIL: $*"; exit 1; }

printf 'IMPORT R\r\nrunways of two airports\r\n\r\n' > "$work/RUNWAYS.GPS"
printf '00000001 09/27             2001      GRASS\r\n' >> "$work/RUNWAYS.GPS"
printf '00000002 16/34             2652      ASPH\r\n' >> "$work/RUNWAYS.GPS"
"$navdb" import "$work/data" "$work/RUNWAYS.GPS" >/dev/null 2>&1 || fail "import exited $?"
# The first record's deletion flag is the first byte after the header, whose length the
# header holds in bytes 8 and 9 (little-endian).
table="$work/data/RUNWAYS.DBF"
set -- $(od -An -tu1 -j8 -N2 "$table")
printf '*' | dd of="$table" bs=1 seek=$(($1 + 256 * $2)) conv=notrunc 2>/dev/null || fail "cannot mark"

out=$("$navdb" dump "$work/data" RUNWAYS) || fail "dump exited $?"
[ "$(echo "$out" | sed -n 1p)" = "RUNWAYS: 2 records" ] || fail "count line: $out"
[ "$(echo "$out" | sed -n 2p)" = "    # D|NUM|RUNWAYS|LEN|SURFACE|REM|NAV1|RWY1|FREQ1|NAV2|RWY2|FREQ2" ] \
    || fail "field line: $out"
[ "$(echo "$out" | wc -l)" -eq 4 ] || fail "one line per record expected: $out"
# The fields at their stored widths: 8+17+6+6+20+4+4+6+4+4+6 characters and 11 separators
# behind the record number and the mark.
echo "$out" | sed -n '3,4p' | while IFS= read -r line; do
    [ ${#line} -eq 103 ] || fail "record line of ${#line} characters: '$line'"
done || exit 1
echo "$out" | sed -n 3p | grep -q '^    1 \*|00000001|09/27            |2001  |GRASS |' || fail "record 1: $out"
echo "$out" | sed -n 4p | grep -q '^    2  |00000002|16/34            |2652  |ASPH  |' || fail "record 2: $out"

"$navdb" rebuild "$work/data" >/dev/null 2>&1 || fail "rebuild exited $?"
out=$("$navdb" dump "$work/data" RUNWAYS) || fail "dump after rebuild exited $?"
[ "$(echo "$out" | sed -n 1p)" = "RUNWAYS: 1 records" ] || fail "count after rebuild: $out"
echo "$out" | sed -n 3p | grep -q '^    1  |00000002|16/34  ' || fail "live record after rebuild: $out"

"$navdb" dump "$work/data" NOSUCH 2>/dev/null && fail "a missing table was dumped"
echo "navdb dump: all checks passed"
