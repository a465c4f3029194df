#!/bin/sh
# navdb check names the line ends of a file: a file saved on Windows is told apart, and its
# line holding only a carriage return ends the records.
# Usage: navdb_check_test.sh NAVDB WORKDIR
set -u
navdb=$1
work=$2
rm -rf "$work" && mkdir -p "$work"
fail() { echo "FAIL: $*"; exit 1; }

printf 'IMPORT R\r\nfree\r\nfree\r\n00000001 09/27\r\n\r\nnotes\r\n' > "$work/windows.GPS"
out=$("$navdb" check "$work/windows.GPS")
[ $? -eq 1 ] || fail "the notes after the records were not reported: $out"
echo "$out" | grep -qF "windows.GPS:5: empty line ends the records: 1 further lines" || fail "$out"
echo "$out" | grep -qF "windows.GPS: 1 runway records, 1 problems, line ends CR LF" || fail "$out"

printf 'IMPORT R\nfree\nfree\n00000001 09/27\n' > "$work/unix.GPS"
out=$("$navdb" check "$work/unix.GPS") || fail "a good file exited $?: $out"
echo "$out" | grep -qF "unix.GPS: 1 runway records, 0 problems, line ends LF" || fail "$out"
echo "navdb check: all checks passed"
