#!/bin/sh
# navdb's standard output: a command whose output cannot be written (a full disk, a closed
# pipe) fails with exit status 1 and says so, whatever the command; the same command into
# /dev/null succeeds.
# Usage: navdb_output_test.sh NAVDB SAMPLE_DIR WORKDIR
set -u
navdb=$1
sample=$2
work=$3
[ -w /dev/full ] || { echo "no /dev/full here: skipped"; exit 77; }
rm -rf "$work" && mkdir -p "$work"
fail() { echo "FAIL: $*"; exit 1; }
cp -r "$sample" "$work/data" || fail "cannot copy $sample"
"$navdb" config "$work/data" RTEMODE=1 NRTEWPT=2 RTEWPTS=100000108100000126 >/dev/null ||
    fail "config exited $?"

check() {  # the arguments of one navdb command
    "$navdb" "$@" >/dev/null 2>"$work/err" || fail "navdb $* exited $?: $(cat "$work/err")"
    "$navdb" "$@" >/dev/full 2>"$work/err"
    status=$?
    [ $status -eq 1 ] || fail "navdb $* > /dev/full exited $status"
    grep -q "cannot write standard output" "$work/err" || fail "navdb $*: $(cat "$work/err")"
}
check dump "$work/data" AIRPORTS
check route show "$work/data"
check route export "$work/data" --format gpx
echo "navdb output: all checks passed"
