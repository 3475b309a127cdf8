#!/usr/bin/env bash
# The demo: the release of Clearwell under Wine in a fresh, isolated prefix (build/wine/run),
# installed there by its Windows installer (build/release/Clearwell-<version>-setup.exe,
# silently; the release talks to the maker's server and shows as not connected without it),
# seeded with
# realistic traces of all 22 cleaning items: typed addresses, history, Run list, search
# lists, printer ports, form data, the recent-file lists of WinZip, Visual Basic, WordPad,
# Paint and Media Player, temporary files, a full Recycle Bin (the Trash of the prefix's own
# home, never the user's), Internet Explorer's cache, cookies and index files, a Netscape
# Navigator profile and two Mozilla profiles. A table of the traces per item is printed
# before and after.
#
# With $DISPLAY set the user drives Clearwell; the table after is printed when it exits.
# Headless, it runs on a private Xvfb display and cwdemo.exe drives the cleaning from
# outside through the GUI driver (Privacy page, Select All, Analyze with its table printed,
# Wipe Selected Items, both message boxes answered); its screenshots privacy-before.png,
# analysis.png and privacy-after.png go through a local test server of the demo's own to
# build/screenshots/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# The tools that seed and drive come from the test build; the program is the release's.
target=$root/build/target
release=$root/build/release
real_display=${DISPLAY:-}

# A fresh prefix every time, so that the traces are seeded anew.
rm -rf "$root/build/wine/run"
. "$root/scripts/wine-env.sh" run
cw_wine_prefix

tools_dir=$(cw_drive_c)/cwdemo
mkdir -p "$tools_dir"
# Installed as a Windows user would, from a download: the prefix has no drive for the host's
# files, so the installer is copied in first.
setup_name=$(cd "$release" && ls Clearwell-*-setup.exe | head -n 1)
# The installer is a 32-bit program; some machines' kernels refuse 32-bit programs.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo "run: this machine cannot run 32-bit programs, so the release's installer" >&2
    echo "(build/release/$setup_name) cannot run here under Wine." >&2
    exit 1
fi
mkdir -p "$(cw_drive_c)/users/Public/Downloads"
cp "$release/$setup_name" "$(cw_drive_c)/users/Public/Downloads/"
wine "C:\\users\\Public\\Downloads\\$setup_name" /S
about_installer() {
    echo "Clearwell was installed into this prefix by its Windows installer, build/release/$setup_name"
    echo "(silently, /S). To go through the installer's or the uninstaller's pages in the same"
    echo "isolated prefix: scripts/try-installer.sh setup, or scripts/try-installer.sh uninstall."
}
cp "$target/cwtraces.exe" "$target/cwdemo.exe" "$tools_dir/"
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
# A display and a server port of its own, apart from the test displays and ports of every slot.
test_display=${CW_TEST_DISPLAY:-:96}
export DISPLAY=:$(( ${test_display#:} + 10 ))
export CW_TEST_HTTP_PORT=$(( ${CW_TEST_HTTP_PORT:-18321} + 5 ))
# No window manager on Xvfb: Wine draws the title bars and hides windows without waiting.
cw_wine_window_manager N
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
python3 "$root/tests/http/server.py" --port "$CW_TEST_HTTP_PORT" \
    --screenshots "$root/build/screenshots" >/dev/null 2>&1 &
server=$!
trap 'wineserver -k >/dev/null 2>&1 || true; kill $server $xvfb 2>/dev/null || true' EXIT
sleep 1

traces seed
traces table "Traces before cleaning"
echo
wine 'C:\cwdemo\cwdemo.exe' | tr -d '\r'
traces table "Traces after cleaning"
echo
echo "Screenshots: build/screenshots/privacy-before.png, build/screenshots/analysis.png,"
echo "build/screenshots/privacy-after.png"
about_installer
