#!/usr/bin/env bash
# Prints the Wine architecture the tests run in on this machine: win32 where the machine runs
# 32-bit Linux programs (32-bit Wine), win64 where its kernel refuses them (some virtual
# machines run 64-bit user code only); the tests then use the 64-bit build under wine64.
# CW_WINE_ARCH set in the environment wins.
if [ -n "${CW_WINE_ARCH:-}" ]; then
    echo "$CW_WINE_ARCH"
elif /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    echo win32
else
    echo win64
fi
