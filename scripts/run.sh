#!/usr/bin/env bash
# Starts Clearwell.exe under Wine in the project's own isolated prefix (build/wine/run).
# With $DISPLAY set, the program opens there and the user drives it; the script ends with
# the program. Headless, it runs on a private Xvfb display: once its main window is up, a
# screenshot is saved to build/screenshots/run.png and the program is ended again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
real_display=${DISPLAY:-}
. "$root/scripts/wine-env.sh" run
cw_wine_prefix

app_dir=$(cw_drive_c)/Program\ Files/Clearwell
mkdir -p "$app_dir"
cp "$root/build/target/Clearwell.exe" "$app_dir/"
exe='C:\Program Files\Clearwell\Clearwell.exe'

if [ -n "$real_display" ]; then
    export DISPLAY=$real_display
    cw_wine_window_manager Y
    wine "$exe"
    wineserver -w
    exit 0
fi

# A display of its own, ten above the test display of this checkout's slot.
slot_display=${CW_TEST_DISPLAY:-:90}
export DISPLAY=":$(( ${slot_display#:} + 10 ))"
cw_wine_window_manager N
mkdir -p "$root/build/screenshots"
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k >/dev/null 2>&1 || true; kill $xvfb 2>/dev/null || true' EXIT
sleep 1
wine "$exe" &

# The main window is an X window named after its caption; wait for it (at most 60 s).
geometry=""
for _ in $(seq 1 120); do
    id=$(xwininfo -root -tree 2>/dev/null | awk '/"Clearwell v2.10"/ {print $1; exit}')
    if [ -n "$id" ] && xwininfo -id "$id" | grep -q "Map State: IsViewable"; then
        info=$(xwininfo -id "$id")
        x=$(awk '/Absolute upper-left X/ {print $NF}' <<<"$info")
        y=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$info")
        w=$(awk '/Width:/ {print $NF}' <<<"$info")
        h=$(awk '/Height:/ {print $NF}' <<<"$info")
        geometry="${w}x${h}+${x}+${y}"
        break
    fi
    sleep 0.5
done
if [ -z "$geometry" ]; then
    echo "Clearwell's window did not appear within 60 s" >&2
    exit 1
fi
sleep 2  # the load finishes and the window is painted
xwd -root -silent | convert xwd:- -crop "$geometry" +repage "$root/build/screenshots/run.png"
echo "Clearwell ran under Wine on $DISPLAY; screenshot: build/screenshots/run.png"
