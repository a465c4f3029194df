#!/bin/sh
# How navdb reports a failure: each on standard error as "navdb NAME: MESSAGE" (a command
# that goes on past a failed file names every one, and still does the rest), exit status 1,
# or 2 for a command line it refuses; a command whose output says what failed adds nothing.
# Usage: navdb_failure_test.sh NAVDB SAMPLE_DIR WORKDIR
set -u
navdb=$1
sample=$2
work=$3
rm -rf "$work" && mkdir -p "$work"
fail() { echo "FAIL: $*"; exit 1; }
cp -r "$sample" "$work/data" || fail "cannot copy $sample"
cd "$work" || fail "cannot enter $work"

expect() {   # STATUS EXPECTED-STANDARD-ERROR COMMAND...
    status=$1
    expected=$2
    shift 2
    "$navdb" "$@" >out 2>err
    got=$?
    [ $got -eq "$status" ] || fail "$* exited $got, not $status: $(cat err)"
    [ "$(cat err)" = "$expected" ] || fail "$* said on standard error: $(cat err)"
}

printf 'HELLO\n' >hello.GPS
printf 'IMPORT X\n' >unknown.GPS
expect 1 "navdb import: cannot open missing.GPS
navdb import: hello.GPS: not a GPS import file (line 1 does not begin with IMPORT)" \
    import data missing.GPS hello.GPS unknown.GPS
grep -qF "unknown.GPS: the kind on line 1 is none of A, R, N: nothing imported" out ||
    fail "the file after the failed ones was not read: $(cat out)"

expect 1 "navdb rebuild: cannot open nowhere/AIRPORTS.DBF (missing, or in use by another program)
navdb rebuild: cannot open nowhere/NAVAIDS.DBF (missing, or in use by another program)
navdb rebuild: cannot open nowhere/RUNWAYS.DBF (missing, or in use by another program)
navdb rebuild: cannot open nowhere/USERS.DBF (missing, or in use by another program)" \
    rebuild nowhere

expect 2 "navdb convert: unknown or incomplete option --bogus" convert --csv a b c d --bogus
expect 1 "navdb route show: takes DIR and at most one route file" route show data a b

printf 'IMPORT R\nfree\nfree\n00000001 09/27\n\nnotes\n' >notes.GPS
expect 1 "" check notes.GPS
echo "navdb failures: all checks passed"
