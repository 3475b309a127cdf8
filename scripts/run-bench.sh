#!/usr/bin/env bash
# Shredder throughput: the same set of files shredded by Clearwell's file shredder under Wine
# (bench/shred_bench.cpp, timed inside the program) and by coreutils `shred -n 1 -u`
# natively (timed around each call), on the same file system, after a sync. Prints MB/s
# (10^6 bytes of original file data per second) for both and their ratio, per file size.
#   BENCH_SIZES  "label:bytes:count ..." (default: 1 KB x 500, 100 KB x 100, 10 MB x 10,
#                100 MB x 3)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
sizes=${BENCH_SIZES:-"1KB:1024:500 100KB:102400:100 10MB:10485760:10 100MB:104857600:3"}

rm -rf "$root/build/wine/bench"
. "$root/scripts/wine-env.sh" bench
cw_wine_prefix
drive_c=$(cw_drive_c)
native=$CW_WINE_DIR/native
mkdir -p "$drive_c/bench" "$native"
cp "$root/build/target/shred_bench.exe" "$drive_c/bench/"

# One pool of random bytes; every file is a slice of it, so neither side meets sparse or
# repeated data.
largest=0
for spec in $sizes; do
    bytes=$(echo "$spec" | cut -d: -f2)
    [ "$bytes" -gt "$largest" ] && largest=$bytes
done
pool=$CW_WINE_DIR/pool.bin
head -c "$largest" /dev/urandom > "$pool"

folders=()
for spec in $sizes; do
    IFS=: read -r label bytes count <<< "$spec"
    mkdir -p "$drive_c/bench/$label" "$native/$label"
    for i in $(seq 1 "$count"); do
        head -c "$bytes" "$pool" > "$drive_c/bench/$label/f$i.bin"
        head -c "$bytes" "$pool" > "$native/$label/f$i.bin"
    done
    folders+=("C:\\bench\\$label")
done
sync

echo "== Clearwell under Wine"
wine_out=$CW_WINE_DIR/wine.txt
(cd "$drive_c/bench" && wine 'C:\bench\shred_bench.exe' "${folders[@]}") | tr -d '\r' | tee "$wine_out"
wineserver -k >/dev/null 2>&1 || true
sync

echo "== shred -n 1 -u"
native_out=$CW_WINE_DIR/native.txt
: > "$native_out"
for spec in $sizes; do
    IFS=: read -r label bytes count <<< "$spec"
    start=$(date +%s.%N)
    shred -n 1 -u "$native/$label"/*
    end=$(date +%s.%N)
    left=$(find "$native/$label" -type f | wc -l)
    echo "$label $count $((bytes * count)) $(awk "BEGIN { print $end - $start }") $left" |
        tee -a "$native_out"
done
rm -f "$pool"

echo
printf "%-8s %6s %10s %14s %14s %8s\n" size files "MB total" "Clearwell" "shred" ratio
status=0
i=0
for spec in $sizes; do
    IFS=: read -r label bytes count <<< "$spec"
    i=$((i + 1))
    read -r _ _ wbytes wsec werr < <(sed -n "${i}p" "$wine_out")
    read -r _ _ nbytes nsec nleft < <(sed -n "${i}p" "$native_out")
    [ "$werr" = 0 ] && [ "$nleft" = 0 ] || status=1
    awk -v l="$label" -v c="$count" -v wb="$wbytes" -v ws="$wsec" -v nb="$nbytes" -v ns="$nsec" \
        'BEGIN { w = wb / 1e6 / ws; n = nb / 1e6 / ns;
                 printf "%-8s %6d %10.1f %9.2f MB/s %9.2f MB/s %7.2fx\n", l, c, wb / 1e6, w, n, w / n }' 
done
echo "(ratio: Clearwell's throughput over shred's; Clearwell overwrites at level \"50\", so a"
echo " file shorter than 21,240 bytes is written as 21,240 bytes; both flush to disk)"
exit $status
