# Sourced by every script that starts a Windows program under Wine. Sets up an isolated
# environment inside the build tree: a throw-away prefix, a throw-away HOME (Wine's Recycle
# Bin is $XDG_DATA_HOME/Trash and its Desktop and Documents are links into $HOME), no Z:
# drive, and no messages from Wine.
#   CW_WINE_DIR  folder holding the prefix and the home (default: build/wine/<name>)
# Usage: . scripts/wine-env.sh <name>

cw_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cw_name=${1:-default}
export CW_WINE_DIR=${CW_WINE_DIR:-$cw_root/build/wine/$cw_name}
export WINEPREFIX=$CW_WINE_DIR/prefix
export HOME=$CW_WINE_DIR/home
export XDG_DATA_HOME=$HOME/.local/share
export XDG_CONFIG_HOME=$HOME/.config
export XDG_CACHE_HOME=$HOME/.cache
# 32-bit Wine where this machine runs 32-bit programs, else wine64 with the 64-bit test build
# (scripts/wine-arch.sh). CW_WINE is the loader to start Windows programs with.
export CW_WINE_ARCH=$("$cw_root/scripts/wine-arch.sh")
export WINEARCH=$CW_WINE_ARCH
if [ "$CW_WINE_ARCH" = win64 ]; then
    # The wine and wineboot commands take the 32-bit loader whenever it is installed.
    export CW_WINE=/usr/lib/wine/wine64 WINELOADER=/usr/lib/wine/wine64
    wine() { "$CW_WINE" "$@"; }
    wineboot() { "$CW_WINE" wineboot.exe "$@"; }
else
    export CW_WINE=wine
fi
export WINEDEBUG=-all
# No Mono or Gecko installer prompts, and no menu entries written for the desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset DISPLAY_WINE_SET
mkdir -p "$HOME" "$XDG_DATA_HOME"

# Creates the prefix from the shared template (made once per build tree), then cuts every
# path out to the host: Z: goes, and the shell folders that Wine links to $HOME become real
# folders inside the prefix.
cw_wine_prefix() {
    local template=$cw_root/build/wine/template-$CW_WINE_ARCH
    if [ ! -f "$template/prefix/system.reg" ]; then
        rm -rf "$template"
        mkdir -p "$template/home"
        (
            export WINEPREFIX=$template/prefix HOME=$template/home
            export XDG_DATA_HOME=$template/home/.local/share
            wineboot -i >/dev/null 2>&1
            wineserver -w
        )
        rm -f "$template/prefix/dosdevices/z:"
        local user
        for user in "$template"/prefix/drive_c/users/*/; do
            local f
            for f in Desktop Documents Downloads Music Pictures Videos Templates; do
                if [ -L "$user$f" ]; then rm -f "$user$f"; mkdir -p "$user$f"; fi
            done
        done
    fi
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        rm -rf "$WINEPREFIX"
        mkdir -p "$(dirname "$WINEPREFIX")"
        cp -a "$template/prefix" "$WINEPREFIX"
    fi
}

# The folder on the C: drive of the prefix, as a Unix path.
cw_drive_c() { echo "$WINEPREFIX/drive_c"; }

# Whether a window manager places and decorates Wine's windows: Y with one (a desktop),
# N on a display without one (Xvfb), where Wine then draws the windows' own title bars and
# frames and hiding a window does not wait two seconds for a window manager that never
# answers. Written into the prefix's user registry while Wine is not running.
cw_wine_window_manager() {
    python3 - "$WINEPREFIX/user.reg" "$1" <<'PY'
import sys
path, managed = sys.argv[1], sys.argv[2]
header = "[Software\\\\Wine\\\\X11 Driver]"
value = f'"Managed"="{managed}"'
with open(path, encoding="utf-8", errors="surrogateescape") as f:
    lines = f.read().split("\n")
at = next((i for i, l in enumerate(lines) if l.startswith(header)), None)
if at is None:
    lines += ["", header + " 1700000000", value]
else:
    end = at + 1
    while end < len(lines) and lines[end].strip() and not lines[end].startswith("["):
        end += 1
    body = [l for l in lines[at + 1:end] if not l.startswith('"Managed"=')]
    lines[at + 1:end] = body + [value]
with open(path, "w", encoding="utf-8", errors="surrogateescape") as f:
    f.write("\n".join(lines))
PY
}
