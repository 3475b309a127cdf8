#!/usr/bin/env bash
# Shredder throughput: the same set of files shredded by Clearwell's file shredder under Wine
# (bench/shred_bench.cpp, timed inside the program, so Wine's start-up is not counted) and
# by coreutils `shred -n 1 -u` natively (timed around one call per size), on the same file
# system. Each round makes fresh files from one pool of random bytes and syncs before each
# side; the rounds alternate which side goes first, and the median per size is reported, as
# other work on the machine's disk makes single timings of flushing writers noisy. Prints MB/s
# (10^6 bytes of original file data per second) for both and their ratio, per file size.
#   BENCH_SIZES   "label:bytes:count ..." (default: 1 KB x 500, 100 KB x 100, 10 MB x 10,
#                 100 MB x 3)
#   BENCH_ROUNDS  number of rounds (default 3)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
sizes=${BENCH_SIZES:-"1KB:1024:500 100KB:102400:100 10MB:10485760:10 100MB:104857600:3"}
rounds=${BENCH_ROUNDS:-3}

rm -rf "$root/build/wine/bench"
. "$root/scripts/wine-env.sh" bench
cw_wine_prefix
drive_c=$(cw_drive_c)
native=$CW_WINE_DIR/native
results=$CW_WINE_DIR/results.txt  # "side label bytes seconds problems" lines
mkdir -p "$drive_c/bench" "$native"
cp "$root/build/target/shred_bench.exe" "$drive_c/bench/"
: > "$results"

largest=0
for entry in $sizes; do
    bytes=$(echo "$entry" | cut -d: -f2)
    [ "$bytes" -gt "$largest" ] && largest=$bytes
done
pool=$CW_WINE_DIR/pool.bin
head -c "$largest" /dev/urandom > "$pool"

make_files() {  # folder
    for entry in $sizes; do
        IFS=: read -r label bytes count <<< "$entry"
        mkdir -p "$1/$label"
        for i in $(seq 1 "$count"); do head -c "$bytes" "$pool" > "$1/$label/f$i.bin"; done
    done
    sync
}

run_clearwell() {
    make_files "$drive_c/bench"
    local folders=()
    for entry in $sizes; do folders+=("C:\\bench\\${entry%%:*}"); done
    (cd "$drive_c/bench" && wine 'C:\bench\shred_bench.exe' "${folders[@]}") | tr -d '\r' |
        while read -r folder files bytes seconds problems; do
            echo "clearwell ${folder##*\\} $bytes $seconds $problems" | tee -a "$results"
        done
    wineserver -k >/dev/null 2>&1 || true
}

run_shred() {
    make_files "$native"
    for entry in $sizes; do
        IFS=: read -r label bytes count <<< "$entry"
        local start end left
        start=$(date +%s.%N)
        shred -n 1 -u "$native/$label"/*
        end=$(date +%s.%N)
        left=$(find "$native/$label" -type f | wc -l)
        echo "shred $label $((bytes * count)) $(awk "BEGIN { print $end - $start }") $left" |
            tee -a "$results"
    done
}

for round in $(seq 1 "$rounds"); do
    echo "== round $round of $rounds"
    if [ $((round % 2)) = 1 ]; then run_clearwell; run_shred; else run_shred; run_clearwell; fi
done
rm -f "$pool"

echo
printf "%-8s %6s %10s %14s %14s %8s\n" size files "MB total" "Clearwell" "shred" ratio
for entry in $sizes; do
    IFS=: read -r label bytes count <<< "$entry"
    awk -v l="$label" -v c="$count" '
        function median(a, n,   i, j, t) {
            for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] > a[j]; j--) {
                t = a[j]; a[j] = a[j - 1]; a[j - 1] = t
            }
            return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
        }
        $2 == l && $1 == "clearwell" { w[++nw] = $3 / 1e6 / $4; b = $3 }
        $2 == l && $1 == "shred" { s[++ns] = $3 / 1e6 / $4 }
        END {
            mw = median(w, nw); ms = median(s, ns)
            printf "%-8s %6d %10.1f %9.2f MB/s %9.2f MB/s %7.2fx\n", l, c, b / 1e6, mw, ms, mw / ms
        }' "$results"
done
echo "(medians of $rounds rounds; ratio: Clearwell's throughput over shred's. Clearwell writes"
echo " at level \"50\", so a file shorter than 21,240 bytes is written as 21,240 bytes; both flush"
echo " each file to disk before deleting it; shred -u also renames it, syncing each time)"
# Every file gone on both sides, and no shredder error reported.
awk '$5 != 0 { bad = 1 } END { exit bad }' "$results"
