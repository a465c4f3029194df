#!/bin/sh
# navdb config against freshly made delivered tables: prints the record, sets fields of
# every type, refuses bad assignments without writing any of them, reports a missing table.
# Usage: navdb_config_test.sh NAVDB WORKDIR
set -u
navdb=$1
work=$2
rm -rf "$work" && mkdir -p "$work"
"$navdb" init "$work/data" || exit 1
fail() { echo "FAIL: $*"; exit 1; }

out=$("$navdb" config "$work/data") || fail "print exited $?"
echo "$out" | grep -qx 'POWER=1' || fail "delivered POWER: $out"
echo "$out" | grep -qx 'RTEWPTS=' || fail "delivered RTEWPTS: $out"
[ "$(echo "$out" | wc -l)" -eq 11 ] || fail "eleven fields expected: $out"

route=100000108100000132100000135
out=$("$navdb" config "$work/data" rtemode=1 NRTEWPT=3 ACTRTE=1 LASTREC=00000132 AUTODIS=0.75 RTEWPTS=$route) \
    || fail "set exited $?"
for line in RTEMODE=1 NRTEWPT=3 ACTRTE=1 LASTREC=00000132 AUTODIS=0.7500 RTEWPTS=$route; do
    echo "$out" | grep -qx "$line" || fail "$line not in: $out"
done

"$navdb" config "$work/data" ALARM=1 POWER=on 2>/dev/null && fail "a word for a number was taken"
"$navdb" config "$work/data" NOSUCH=1 2>/dev/null && fail "an unknown field was taken"
"$navdb" config "$work/data" LASTREC=123456789 2>/dev/null && fail "a key longer than its field was taken"
# A value the field cannot hold is refused with the field's range, status 1: the field would
# otherwise keep asterisks that the gauge reads as 0.
refused() {   # EXPECTED-MESSAGE ASSIGNMENT
    err=$("$navdb" config "$work/data" ALARM=1 "$2" 2>&1 >/dev/null)
    status=$?
    [ $status -eq 1 ] || fail "$2 exited $status"
    echo "$err" | grep -qF "$1" || fail "$2 said: $err"
}
refused 'POWER takes a whole number from -9 to 99' POWER=100
refused 'POWER takes a whole number from -9 to 99' POWER=-10
refused 'NRTEWPT takes a whole number from -999 to 9999' NRTEWPT=1.5
refused 'AUTODIS takes a number from -9999.9999 to 99999.9999' AUTODIS=100000
refused 'AUTODIS takes a number from -9999.9999 to 99999.9999' AUTODIS=99999.99999
for word in inf nan -infinity 1e3 0x10 '' ' 1'; do
    refused "ALARMDIS takes a number from" "ALARMDIS=$word"
done
out=$("$navdb" config "$work/data" POWER=99 ACTRTE=-999 AUTODIS=99999.9999 ALARMDIS=-9999.9999) \
    || fail "the limits were refused"
for line in POWER=99 ACTRTE=-999 AUTODIS=99999.9999 ALARMDIS=-9999.9999; do
    echo "$out" | grep -qx "$line" || fail "$line not in: $out"
done
"$navdb" config "$work/data" | grep -qx 'ALARM=0' || fail "a refused command wrote a field"
"$navdb" config "$work/missing" 2>/dev/null && fail "a missing table was not reported"
echo "navdb config: all checks passed"
