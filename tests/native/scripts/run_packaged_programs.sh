#!/usr/bin/env bash
# Runs the packaged programs from their installed folders under 32-bit Wine: the panel host
# loads FS98/GAUGES/gps.gau with FS98/GPSDATA/ as the data folder (the delivered tables,
# so the unit, restored switched on, has no waypoint to go to), then Quillmap/Quillmap.exe
# starts and is closed as a user closes it (taskkill without /F posts WM_CLOSE).
#   run_packaged_programs.sh WINE_RUN PANELHOST LAYOUT WINEPREFIX
set -euo pipefail
wine_run=$1 panelhost=$2 layout=$3
wine() { "$wine_run" --win32 "$@"; }
export WINEPREFIX=$4
windows_path() { local path=${1//\//\\}; echo "Z:$path"; }

gauge=$(windows_path "$layout/FS98/GAUGES/gps.gau")
wine "$panelhost" --gauge "$gauge" --script - <<SCENARIO
data $(windows_path "$layout/FS98/GPSDATA/")
aircraft 47.45125 -122.30125 3000 90 120
load
run 2
print screen
expect screen 1 GO TO:NO WAYPOINT
unload
SCENARIO

wine "$(windows_path "$layout/Quillmap/Quillmap.exe")" &
program=$!
for _ in $(seq 60); do
  sleep 1
  kill -0 "$program" 2>/dev/null || break
  wine taskkill /IM Quillmap.exe >/dev/null 2>&1 || true
done
if kill -0 "$program" 2>/dev/null; then
  echo "Quillmap.exe did not close within a minute" >&2
  kill "$program"
  exit 1
fi
wait "$program" && status=0 || status=$?
echo "Quillmap.exe started and closed (exit $status)"
exit "$status"
