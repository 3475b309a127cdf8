#!/usr/bin/env bash
# The demo: Clearwell under Wine in a fresh, isolated prefix (build/wine/run), installed there
# by its Windows installer (build/target/Clearwell-<version>-setup.exe, silently), seeded with
# realistic traces of every cleaning item: typed addresses, history, Run list, search lists,
# printer ports, form data, the recent-file lists of WinZip, Visual Basic, WordPad, Paint and
# Media Player, temporary files and a full Recycle Bin (the Trash of the prefix's own home,
# never the user's). A table of the traces per item is printed before and after.
#
# With $DISPLAY set the user drives Clearwell; the table after is printed when it exits.
# Headless, it runs on a private Xvfb display and the cleaning is driven from outside
# (cwdemo.exe, when the GUI driver is built: Privacy page, Select All, Wipe Selected Items,
# both message boxes answered, screenshots before and after); screenshots go to
# build/screenshots/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
target=$root/build/target
real_display=${DISPLAY:-}

# A fresh prefix every time, so that the traces are seeded anew.
rm -rf "$root/build/wine/run"
. "$root/scripts/wine-env.sh" run
cw_wine_prefix

tools_dir=$(cw_drive_c)/cwdemo
mkdir -p "$tools_dir"
# Installed as a Windows user would, from a download: the prefix has no drive for the host's
# files, so the installer is copied in first.
setup_name=$(cd "$target" && ls Clearwell-*-setup.exe | head -n 1)
mkdir -p "$(cw_drive_c)/users/Public/Downloads"
cp "$target/$setup_name" "$(cw_drive_c)/users/Public/Downloads/"
wine "C:\\users\\Public\\Downloads\\$setup_name" /S
about_installer() {
    echo "Clearwell was installed into this prefix by its Windows installer, build/target/$setup_name"
    echo "(silently, /S). To go through the installer's or the uninstaller's pages in the same"
    echo "isolated prefix: scripts/try-installer.sh setup, or scripts/try-installer.sh uninstall."
}
for tool in cwtraces cwclean cwdemo; do
    if [ -f "$target/$tool.exe" ]; then cp "$target/$tool.exe" "$tools_dir/"; fi
done
traces() { wine 'C:\cwdemo\cwtraces.exe' "$@" | tr -d '\r'; }

if [ -n "$real_display" ]; then
    export DISPLAY=$real_display
    cw_wine_window_manager Y
    traces seed
    traces table "Traces before cleaning"
    about_installer
    echo "Starting Clearwell: tick items on the Privacy page and press \"Wipe Selected Items\"."
    wine "C:\\Program Files\\Clearwell\\Clearwell.exe" || true
    traces table "Traces after Clearwell ended"
    exit 0
fi

mkdir -p "$root/build/screenshots"
# A display of its own, apart from the test displays of every slot.
test_display=${CW_TEST_DISPLAY:-:96}
export DISPLAY=:$(( ${test_display#:} + 10 ))
# No window manager on Xvfb: Wine draws the title bars and hides windows without waiting.
cw_wine_window_manager N
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k >/dev/null 2>&1 || true; kill $xvfb 2>/dev/null || true' EXIT
sleep 1

screenshot() {
    xwd -root -silent -display "$DISPLAY" > "$root/build/screenshots/$1.xwd"
    convert "$root/build/screenshots/$1.xwd" "$root/build/screenshots/$1.png"
    rm -f "$root/build/screenshots/$1.xwd"
}

traces seed
traces table "Traces before cleaning"
if [ -f "$tools_dir/cwdemo.exe" ]; then
    # Starts Clearwell, shows the Privacy page, saves privacy-before.png, clicks Select All
    # and Wipe Selected Items, answers Yes and then OK, saves privacy-after.png.
    wine 'C:\cwdemo\cwdemo.exe' | tr -d '\r'
else
    wine "C:\\Program Files\\Clearwell\\Clearwell.exe" &
    sleep 6
    screenshot run
    echo "Clearwell ran under Wine; screenshot: build/screenshots/run.png"
    echo
    echo "(No GUI driver in this build: every item is cleaned by the same cleaning run"
    echo " outside the window, as \"Wipe Selected Items\" after \"Select All\" does.)"
    wine 'C:\cwdemo\cwclean.exe' --all | tr -d '\r'
fi
traces table "Traces after cleaning"
echo
about_installer
