#!/usr/bin/env bash
# Starts Clearwell.exe under Wine in the project's own isolated prefix (build/wine/run).
# With $DISPLAY set the user drives it; headless, it runs on a private Xvfb display, a
# screenshot is saved to build/screenshots/ and the program is closed again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
real_display=${DISPLAY:-}
. "$root/scripts/wine-env.sh" run
cw_wine_prefix

app_dir=$(cw_drive_c)/Program\ Files/Clearwell
mkdir -p "$app_dir"
cp "$root/build/target/Clearwell.exe" "$app_dir/"

if [ -n "$real_display" ]; then
    export DISPLAY=$real_display
    exec wine "C:\\Program Files\\Clearwell\\Clearwell.exe"
fi

mkdir -p "$root/build/screenshots"
export DISPLAY=:96
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k >/dev/null 2>&1 || true; kill $xvfb 2>/dev/null || true' EXIT
sleep 1
wine "C:\\Program Files\\Clearwell\\Clearwell.exe" &
sleep 6
xwd -root -silent -display "$DISPLAY" > "$root/build/screenshots/run.xwd"
convert "$root/build/screenshots/run.xwd" "$root/build/screenshots/run.png"
rm -f "$root/build/screenshots/run.xwd"
echo "Clearwell ran under Wine; screenshot: build/screenshots/run.png"
