#!/bin/sh
# navdb convert's command line: region values are plain decimal numbers in range, an
# identifier list names at least one identifier (else exit 2, nothing written), and the
# progress of convert and of the import of what it wrote redraws a line only on a terminal,
# so that a log or a pipe gets whole lines.
# Usage: navdb_convert_test.sh NAVDB WORKDIR
set -u
navdb=$1
work=$2
rm -rf "$work" && mkdir -p "$work"
fail() { echo "FAIL: $*"; exit 1; }

# Enough airports for progress to be reported, by the conversion and by the import.
awk 'BEGIN { print "I"; print "1100 Version"; print ""
             for (i = 0; i < 6000; i++)
                 printf "1 100 0 0 P%04d Field\n1302 datum_lat 47.5\n1302 datum_lon -122.3\n", i
             print "99" }' > "$work/apt.dat"
printf 'I\n1100 Version\n3 47.4 -122.3 354 11680 130 19.0 SEA ENRT K1 SEATTLE VOR\n99\n' \
    > "$work/nav.dat"
convert() { "$navdb" convert "$work/apt.dat" "$work/nav.dat" "$work/out" "$@"; }

refused() {   # EXPECTED-MESSAGE OPTION...
    expected=$1
    shift
    err=$(convert "$@" 2>&1 >/dev/null)
    status=$?
    [ $status -eq 2 ] || fail "$* exited $status"
    echo "$err" | grep -qF -- "$expected" || fail "$* said: $err"
    [ ! -e "$work/out" ] || fail "$* wrote $work/out"
}
for value in nan -nan inf 0x10 1e1 ' 5' '5 ' '' + 1.2.3; do
    refused '--region takes S W N E' --region 0 "$value" 20 10
    refused '--region takes S W N E' --region "$value" 0 10 20
done
refused '--region takes S W N E' --region 0 -181 20 10
refused '--region takes S W N E' --region -91 0 20 10
refused '--region takes S W N E' --region 30 0 20 10
refused '--ident takes a comma-separated list' --ident ''
refused '--ident takes a comma-separated list' --ident ,,

convert --region -90 -180.0 +90 180 --ident p0000,SEA >"$work/out.txt" 2>"$work/err.txt" \
    || fail "a region at the limits exited $?: $(cat "$work/err.txt")"
grep -q '^written: 1 airports, 0 runways (0 runway ends with their localizer), 1 navaids$' \
    "$work/out.txt" || fail "selection: $(cat "$work/out.txt")"

convert >"$work/out.txt" 2>"$work/err.txt" || fail "convert exited $?"
grep -q '^written: 6000 airports' "$work/out.txt" || fail "counts: $(cat "$work/out.txt")"
if tr '\r' '\n' < "$work/err.txt" | grep -q '%'; then
    fail "progress written to a file: $(od -c "$work/err.txt" | head -5)"
fi
"$navdb" init "$work/db" >/dev/null || fail "init exited $?"
"$navdb" import "$work/db" "$work/out/AIRPORTS.GPS" >"$work/out.txt" 2>"$work/err.txt" \
    || fail "import exited $?: $(cat "$work/err.txt")"
[ "$(wc -c < "$work/out/AIRPORTS.GPS")" -gt 524288 ] || fail "AIRPORTS.GPS too small for progress"
if tr '\r' '\n' < "$work/err.txt" | grep -q '%'; then
    fail "import progress written to a file: $(od -c "$work/err.txt" | head -5)"
fi
echo "navdb convert: all checks passed"
