#!/usr/bin/env bash
# Installs the Debian packages the builds, the Wine tests, the screenshots and the
# installer need. Idempotent: returns at once when everything is already present.
set -euo pipefail

pkgs=(
  cmake ninja-build g++ clang libclang-rt-14-dev python3 googletest
  g++-mingw-w64-i686-win32 g++-mingw-w64-i686-posix mingw-w64-i686-dev p7zip-full g++-mingw-w64-x86-64-posix wine64
  wine wine32:i386 fonts-wine fonts-liberation
  libxrender1:i386 libxcursor1:i386 libxi6:i386 libxrandr2:i386 libxinerama1:i386
  libxcomposite1:i386 libxfixes3:i386 libgnutls30:i386
  xvfb x11-apps imagemagick nsis clang-format openssl
)

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  missing=("${pkgs[@]}")
else
  missing=()
  for p in "${pkgs[@]}"; do installed "$p" || missing+=("$p"); done
fi
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
echo "install-deps: installing ${missing[*]}"
dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
