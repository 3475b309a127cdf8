#!/bin/sh
# Signs a release executable for the update server: writes the maker's signature of
# Clearwell.exe as Clearwell.sig beside it (openssl's RSA PKCS#1 v1.5 signature of the SHA-1
# hash, 256 bytes), then checks it with the public key the release carries.
#
#   CW_SIGNING_KEY=/path/to/maker-private.pem scripts/sign-release.sh [build/release/Clearwell.exe]
#
# Without CW_SIGNING_KEY nothing is signed, and it says so: an unsigned executable cannot be
# published as an update, as every installed Clearwell refuses it.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
exe=${1:-$root/build/release/Clearwell.exe}
public=${CW_UPDATE_PUBLIC_KEY:-$root/keys/maker-public.pem}
sig=${exe%.exe}.sig

if [ -z "${CW_SIGNING_KEY:-}" ]; then
    # A signature of an earlier build would not match this one.
    if [ -f "$sig" ] && ! openssl dgst -sha1 -verify "$public" -signature "$sig" "$exe" \
            >/dev/null 2>&1; then
        rm -f "$sig"
    fi
    echo "sign-release: no signing key given (CW_SIGNING_KEY is not set): $exe is NOT signed" \
         "and cannot be published as an update." >&2
    exit 0
fi
if [ ! -f "$exe" ]; then
    echo "sign-release: $exe does not exist; build the release first." >&2
    exit 1
fi
rm -f "$sig"
openssl dgst -sha1 -sign "$CW_SIGNING_KEY" -out "$sig" "$exe"
if ! openssl dgst -sha1 -verify "$public" -signature "$sig" "$exe" >/dev/null 2>&1; then
    rm -f "$sig"
    echo "sign-release: the key $CW_SIGNING_KEY is not the one whose public half the release" \
         "carries ($public); nothing signed." >&2
    exit 1
fi
echo "sign-release: signed $exe -> $sig"
