#!/usr/bin/env bash
# Shows Clearwell's Windows installer or uninstaller with its pages, in the isolated prefix of
# `make run` (build/wine/run; made when missing).
#   scripts/try-installer.sh setup       build/release/Clearwell-<version>-setup.exe
#   scripts/try-installer.sh uninstall   the installed C:\Program Files\Clearwell\Uninstall.exe
# With $DISPLAY set the user clicks through the pages; headless, the first page is saved to
# build/screenshots/<setup|uninstall>.png and everything is closed again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
mode=${1:-setup}
real_display=${DISPLAY:-}
. "$root/scripts/wine-env.sh" run
cw_wine_prefix

case $mode in
    setup)
        setup_name=$(cd "$root/build/release" && ls Clearwell-*-setup.exe | head -n 1)
        mkdir -p "$(cw_drive_c)/users/Public/Downloads"
        cp "$root/build/release/$setup_name" "$(cw_drive_c)/users/Public/Downloads/"
        program="C:\\users\\Public\\Downloads\\$setup_name" ;;
    uninstall)
        if [ ! -f "$(cw_drive_c)/Program Files/Clearwell/Uninstall.exe" ]; then
            echo "Clearwell is not installed in build/wine/run: run 'make run' or '$0 setup' first." >&2
            exit 1
        fi
        program="C:\\Program Files\\Clearwell\\Uninstall.exe" ;;
    *) echo "usage: $0 [setup|uninstall]" >&2; exit 2 ;;
esac

if [ -n "$real_display" ]; then
    export DISPLAY=$real_display
    wine "$program"
    # The uninstaller hands over to a copy of itself and returns at once; wait for the copy.
    wineserver -w
    exit 0
fi

mkdir -p "$root/build/screenshots"
test_display=${CW_TEST_DISPLAY:-:96}
export DISPLAY=:$(( ${test_display#:} + 10 ))
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k >/dev/null 2>&1 || true; kill $xvfb 2>/dev/null || true' EXIT
sleep 1
wine "$program" &
sleep 5
xwd -root -silent -display "$DISPLAY" > "$root/build/screenshots/$mode.xwd"
convert "$root/build/screenshots/$mode.xwd" "$root/build/screenshots/$mode.png"
rm -f "$root/build/screenshots/$mode.xwd"
echo "The $mode program's first page: build/screenshots/$mode.png (closed again)."
