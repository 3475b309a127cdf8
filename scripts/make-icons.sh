#!/usr/bin/env bash
# Draws the pictures of the main window's toolbar and pages with ImageMagick into
# resources/*.ico (16, 24, 32 and 48 pixels). The program's own icon is resources/icon.ico
# (scripts/make-icon.py). The icons are kept in the repository; run this only to change them.
set -euo pipefail
cd "$(dirname "$0")/../resources"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# icon NAME DRAW-ARGS...: draws on a transparent 96x96 canvas and writes NAME.ico.
icon() {
    local name=$1; shift
    convert -size 96x96 xc:none "$@" "$tmp/$name.png"
    convert "$tmp/$name.png" -define icon:auto-resize=48,32,24,16 "$name.ico"
}

# Main: a house.
icon main \
    -fill '#f2e3bf' -stroke '#5a4630' -strokewidth 4 -draw "rectangle 20,46 76,88" \
    -fill '#c0392b' -draw "polygon 48,8 90,48 6,48" \
    -fill '#7a5230' -strokewidth 3 -draw "rectangle 40,60 56,88" \
    -fill '#8fc3ee' -draw "rectangle 62,56 72,66"

# Privacy: a padlock.
icon privacy \
    -fill none -stroke '#5f6a72' -strokewidth 10 -draw "arc 24,8 72,56 180,360" \
    -draw "line 24,32 24,46" -draw "line 72,32 72,46" \
    -fill '#e3a721' -stroke '#8a5d00' -strokewidth 4 -draw "roundrectangle 12,42 84,90 8,8" \
    -fill '#4a3200' -stroke none -draw "circle 48,62 48,55" -draw "rectangle 45,62 51,78"

# IE Cache: a globe.
icon cache \
    -fill '#3d8fd8' -stroke '#12457a' -strokewidth 4 -draw "circle 48,48 48,8" \
    -fill none -stroke '#cfe6fa' -strokewidth 3 -draw "ellipse 48,48 18,40 0,360" \
    -draw "line 48,8 48,88" -draw "line 8,48 88,48" -draw "line 14,28 82,28" \
    -draw "line 14,68 82,68"

# Netscape: a ship's wheel.
icon netscape \
    -fill none -stroke '#1f6f6a' -strokewidth 8 -draw "circle 48,48 48,16" \
    -strokewidth 6 -draw "line 48,4 48,92" -draw "line 4,48 92,48" \
    -draw "line 17,17 79,79" -draw "line 79,17 17,79" \
    -fill '#2aa198' -stroke '#134f4b' -strokewidth 4 -draw "circle 48,48 48,38"

# System Info: a monitor.
icon sysinfo \
    -fill '#4b5563' -stroke '#1f2933' -strokewidth 4 -draw "roundrectangle 6,10 90,70 6,6" \
    -fill '#5fb3f0' -stroke none -draw "rectangle 14,18 82,62" \
    -fill '#ffffff' -draw "rectangle 20,26 56,30" -draw "rectangle 20,36 70,40" \
    -draw "rectangle 20,46 48,50" \
    -fill '#4b5563' -draw "rectangle 40,70 56,80" -draw "roundrectangle 22,80 74,90 4,4"

# Shredder: a sheet going into a shredder, strips coming out.
icon shredder \
    -fill '#ffffff' -stroke '#6b7280' -strokewidth 3 -draw "rectangle 24,4 72,44" \
    -stroke '#9ca3af' -draw "line 32,16 64,16" -draw "line 32,26 64,26" -draw "line 32,36 56,36" \
    -fill '#374151' -stroke '#111827' -strokewidth 4 -draw "roundrectangle 8,40 88,62 6,6" \
    -fill '#e5e7eb' -stroke '#6b7280' -strokewidth 2 \
    -draw "rectangle 24,62 30,90" -draw "rectangle 36,62 42,86" -draw "rectangle 48,62 54,92" \
    -draw "rectangle 60,62 66,84" -fill '#10b981' -stroke none -draw "circle 78,51 78,47"

# Panic Key: a red stop sign with an exclamation mark.
icon panic \
    -fill '#d62828' -stroke '#7a0f0f' -strokewidth 4 \
    -draw "polygon 30,6 66,6 90,30 90,66 66,90 30,90 6,66 6,30" \
    -fill '#ffffff' -stroke none -draw "roundrectangle 42,20 54,60 4,4" \
    -draw "circle 48,74 48,67"

# The shredder's drag-and-drop hint: a page with an arrow into it.
icon dropfiles \
    -fill '#ffffff' -stroke '#6b7280' -strokewidth 4 -draw "polygon 20,6 60,6 78,24 78,90 20,90" \
    -fill '#d1d5db' -draw "polygon 60,6 60,24 78,24" \
    -fill '#16a34a' -stroke '#14532d' -strokewidth 3 \
    -draw "polygon 40,30 56,30 56,52 68,52 48,76 28,52 40,52"

# Updates (the settings window's AutoCheck and the update window): a globe with a green
# arrow coming down onto it.
icon update \
    -fill '#3d8fd8' -stroke '#12457a' -strokewidth 4 -draw "circle 44,52 44,14" \
    -fill none -stroke '#cfe6fa' -strokewidth 3 -draw "ellipse 44,52 16,36 0,360" \
    -draw "line 8,52 80,52" -draw "line 12,34 76,34" -draw "line 12,70 76,70" \
    -fill '#22c55e' -stroke '#14532d' -strokewidth 3 \
    -draw "polygon 62,4 80,4 80,40 92,40 71,64 50,40 62,40"

# The update window's progress lines: a green tick (progress, good news) and a red cross
# (bad news).
icon line-positive \
    -fill '#16a34a' -stroke '#14532d' -strokewidth 4 -draw "circle 48,48 48,6" \
    -fill none -stroke '#ffffff' -strokewidth 14 -draw "polyline 24,50 42,68 72,30"
icon line-negative \
    -fill '#dc2626' -stroke '#7f1d1d' -strokewidth 4 -draw "circle 48,48 48,6" \
    -fill none -stroke '#ffffff' -strokewidth 14 -draw "line 30,30 66,66" -draw "line 66,30 30,66"
