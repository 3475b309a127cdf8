#!/usr/bin/env bash
# Runs Clearwell under Wine in the project's own isolated prefix (build/wine/run).
#
#   scripts/run.sh            installs the build with its Windows installer, silently, and
#                             starts the installed Clearwell (what `make run` does)
#   scripts/run.sh setup      starts the installer with its pages, as a Windows user sees it
#   scripts/run.sh uninstall  starts the installed uninstaller with its pages
#
# With $DISPLAY set the user drives the window; headless, it runs on a private Xvfb display,
# a screenshot is saved to build/screenshots/ and everything is closed again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
mode=${1:-run}
real_display=${DISPLAY:-}
. "$root/scripts/wine-env.sh" run
cw_wine_prefix

setup_name=$(cd "$root/build/target" && ls Clearwell-*-setup.exe | head -n 1)
# The prefix has no drive for the host's files: the installer is copied in, like a download.
mkdir -p "$(cw_drive_c)/users/Public/Downloads"
cp "$root/build/target/$setup_name" "$(cw_drive_c)/users/Public/Downloads/"
setup="C:\\users\\Public\\Downloads\\$setup_name"
app="C:\\Program Files\\Clearwell"

case $mode in
    run)
        if ! wine "$setup" /S; then
            echo "The installer refused: Clearwell is still running in build/wine/run." >&2
            echo "Close it (or: . scripts/wine-env.sh run && wineserver -k) and try again." >&2
            exit 1
        fi
        program="$app\\Clearwell.exe"
        shot=run ;;
    setup) program=$setup; shot=setup ;;
    uninstall) program="$app\\Uninstall.exe"; shot=uninstall ;;
    *) echo "usage: scripts/run.sh [setup|uninstall]" >&2; exit 2 ;;
esac

say_where() {
    echo "The Windows installer is build/target/$setup_name; 'make run' installs it silently"
    echo "(/S) into the isolated prefix build/wine/run and starts the installed program."
    echo "To go through its pages there: scripts/run.sh setup; to remove it: scripts/run.sh uninstall."
}

if [ -n "$real_display" ]; then
    export DISPLAY=$real_display
    say_where
    exec wine "$program"
fi

mkdir -p "$root/build/screenshots"
export DISPLAY=:96
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k >/dev/null 2>&1 || true; kill $xvfb 2>/dev/null || true' EXIT
sleep 1
wine "$program" &
sleep 6
xwd -root -silent -display "$DISPLAY" > "$root/build/screenshots/$shot.xwd"
convert "$root/build/screenshots/$shot.xwd" "$root/build/screenshots/$shot.png"
rm -f "$root/build/screenshots/$shot.xwd"
echo "Ran under Wine: $program; screenshot: build/screenshots/$shot.png"
say_where
