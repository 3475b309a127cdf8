#!/usr/bin/env bash
# Every heavy path of Clearwell against its floor, in one table of ratios. Clearwell's side
# runs its own routines under Wine (bench/*.cpp, timed inside the program, so Wine's start-up
# is not counted); the floor is a bare Win32 program doing the same work under the same Wine,
# and where there is one, the native Linux tool on the same file system:
#   Temp purge and cache folder purge  a tree of files in folders: the "Temp Folder" item on
#                                      the temporary folder, the "Temporary Internet Files"
#                                      item on the cache's content folder; bare
#                                      FindFirstFile/SetFileAttributes/DeleteFile/
#                                      RemoveDirectory; native rm -rf
#   shredding per file size            the shredder page's "Delete" at level "50"; a bare
#                                      writer of the same overwrite, one flush, then
#                                      DeleteFile; native coreutils shred -n 1 -u
#   "Get Cache" and "Delete All"       the cache page on a seeded index; bare
#                                      FindFirst/NextUrlCacheEntry and DeleteUrlCacheEntry loops
#   start-up                           Clearwell.exe to its visible main window; a minimal
#                                      Win32 window program
# Each side runs on fresh files (synced first); rounds alternate which side goes first and
# the table shows medians. The last columns are the largest private bytes of Clearwell's
# process and of the floor's during the work (sampled: Wine keeps no peak of its own).
#   BENCH_TREE           "files:folders" of the purges (default 20000:200)
#   BENCH_SIZES          shredder "label:bytes:count ..." (default: 1 KB x 500, 100 KB x 100,
#                        10 MB x 10, 100 MB x 3)
#   BENCH_CACHE_ENTRIES  entries of the cache index (default 10000)
#   BENCH_ROUNDS         rounds of the shredder and start-up (default 3)
#   BENCH_SLOW_ROUNDS    rounds of the purges and the cache page (default 1)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tree=${BENCH_TREE:-20000:200}
sizes=${BENCH_SIZES:-"1KB:1024:500 100KB:102400:100 10MB:10485760:10 100MB:104857600:3"}
entries=${BENCH_CACHE_ENTRIES:-10000}
rounds=${BENCH_ROUNDS:-3}
slow_rounds=${BENCH_SLOW_ROUNDS:-1}

rm -rf "$root/build/wine/bench"
. "$root/scripts/wine-env.sh" bench
cw_wine_prefix
build=$root/build/target
[ "$CW_WINE_ARCH" = win64 ] && build=$root/build/target64
drive_c=$(cw_drive_c)
user=$(cd "$drive_c/users" && ls | grep -vix public | head -1)
temp_win="C:\\users\\$user\\Temp"
temp_unix=$drive_c/users/$user/Temp
cache_win="C:\\users\\$user\\AppData\\Local\\Microsoft\\Windows\\INetCache\\Content.IE5"
cache_unix=$drive_c/users/$user/AppData/Local/Microsoft/Windows/INetCache/Content.IE5
native=$CW_WINE_DIR/native
results=$CW_WINE_DIR/results.txt  # "work side seconds peak problems" lines
mkdir -p "$drive_c/bench" "$native"
cp "$build"/{shred_bench,purge_bench,urlcache_bench,startup_bench,min_window,Clearwell}.exe \
    "$drive_c/bench/"
: > "$results"

record() {  # work side seconds peak problems
    echo "$*" >> "$results"
    printf '  %-14s %-10s %10.3f s  %s\n' "$1" "$2" "$3" "${5:+problems: $5}"
}
bench() {  # program args... (a line of numbers)
    (cd "$drive_c/bench" && wine "C:\\bench\\$1" "${@:2}") | tr -d '\r'
}
stop_wine() { wineserver -k >/dev/null 2>&1 || true; }

# --- Purges -------------------------------------------------------------------------------
make_tree() {  # folder: the files in their folders, 1 to 4 KB each
    rm -rf "$1"
    python3 - "$1" "${tree%%:*}" "${tree##*:}" <<'PY'
import os, sys
top, files, folders = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
pool = os.urandom(4096)
for d in range(folders):
    os.makedirs(f"{top}/folder{d}", exist_ok=True)
for i in range(files):
    with open(f"{top}/folder{i % folders}/file{i}.tmp", "wb") as f:
        f.write(pool[:1024 + (i * 37) % 3072])
PY
    sync
}
purge_side() {  # work side
    local out seconds left peak
    case $1:$2 in
        temp:clearwell) make_tree "$temp_unix/tree"; out=$(bench purge_bench.exe temp) ;;
        temp:bare) make_tree "$temp_unix/tree"; out=$(bench purge_bench.exe bare "$temp_win") ;;
        cache:clearwell)
            stop_wine; rm -rf "$cache_unix"; make_tree "$cache_unix"
            out=$(bench purge_bench.exe cache) ;;
        cache:bare)
            stop_wine; rm -rf "$cache_unix"; make_tree "$cache_unix"
            out=$(bench purge_bench.exe bare "$cache_win") ;;
    esac
    read -r seconds left peak <<< "$out"
    record "$1-purge" "$2" "$seconds" "$peak" "$left"
}
purge_native() {
    make_tree "$native/tree"
    local start end
    start=$(date +%s.%N); rm -rf "$native/tree"; end=$(date +%s.%N)
    record temp-purge native "$(awk "BEGIN { print $end - $start }")" - 0
    record cache-purge native "$(awk "BEGIN { print $end - $start }")" - 0
}

# --- Shredder -----------------------------------------------------------------------------
largest=0
for entry in $sizes; do
    bytes=$(echo "$entry" | cut -d: -f2)
    [ "$bytes" -gt "$largest" ] && largest=$bytes
done
pool=$CW_WINE_DIR/pool.bin
head -c "$largest" /dev/urandom > "$pool"
make_files() {  # folder
    rm -rf "$1"
    for entry in $sizes; do
        IFS=: read -r label bytes count <<< "$entry"
        mkdir -p "$1/$label"
        for i in $(seq 1 "$count"); do head -c "$bytes" "$pool" > "$1/$label/f$i.bin"; done
    done
    sync
}
shred_wine() {  # clearwell|bare
    make_files "$drive_c/shred"
    local folders=()
    for entry in $sizes; do folders+=("C:\\shred\\${entry%%:*}"); done
    bench shred_bench.exe "$1" "${folders[@]}" |
        while read -r folder files bytes seconds problems peak; do
            record "shred-${folder##*\\}" "$1" "$seconds" "$peak" "$problems"
        done
}
shred_native() {
    make_files "$native/shred"
    for entry in $sizes; do
        IFS=: read -r label bytes count <<< "$entry"
        local start end left
        start=$(date +%s.%N)
        shred -n 1 -u "$native/shred/$label"/*
        end=$(date +%s.%N)
        left=$(find "$native/shred/$label" -type f | wc -l)
        record "shred-$label" native "$(awk "BEGIN { print $end - $start }")" - "$left"
    done
}

# --- Cache page ---------------------------------------------------------------------------
cache_side() {  # get|delete clearwell|bare
    local seeded seconds count peak mode
    stop_wine; rm -rf "$cache_unix"
    read -r _ seeded _ <<< "$(bench urlcache_bench.exe seed "$entries")"
    case $1:$2 in
        get:clearwell) mode=get ;; get:bare) mode=bareget ;;
        delete:clearwell) mode=deleteall ;; delete:bare) mode=baredelete ;;
    esac
    read -r seconds count peak <<< "$(bench urlcache_bench.exe "$mode")"
    record "cache-$1" "$2" "$seconds" "$peak" "$((seeded - count))"
}

# --- Start-up -----------------------------------------------------------------------------
display=${CW_TEST_DISPLAY:-:90}
export DISPLAY=:$(( ${display#:} + 20 ))
cw_wine_window_manager N
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'stop_wine; kill $xvfb 2>/dev/null || true' EXIT
startup_side() {  # clearwell|bare
    local seconds peak
    if [ "$1" = clearwell ]; then
        read -r seconds peak <<< "$(bench startup_bench.exe 'C:\bench\Clearwell.exe' ClearwellMain)"
    else
        read -r seconds peak <<< "$(bench startup_bench.exe 'C:\bench\min_window.exe')"
    fi
    record startup "$1" "$seconds" "$peak" 0
}

in_turn() {  # round function args...: both sides, alternating which goes first
    if [ $(($1 % 2)) = 1 ]; then "$2" "${@:3}" clearwell; "$2" "${@:3}" bare
    else "$2" "${@:3}" bare; "$2" "${@:3}" clearwell; fi
}

# Wine's first start of each program (its libraries loaded from disk) is not counted.
bench startup_bench.exe 'C:\bench\min_window.exe' >/dev/null
bench startup_bench.exe 'C:\bench\Clearwell.exe' ClearwellMain >/dev/null
for round in $(seq 1 "$rounds"); do
    echo "== round $round of $rounds: start-up, shredder"
    in_turn "$round" startup_side
    if [ $((round % 2)) = 1 ]; then shred_wine clearwell; shred_wine bare; shred_native
    else shred_native; shred_wine bare; shred_wine clearwell; fi
done
for round in $(seq 1 "$slow_rounds"); do
    echo "== round $round of $slow_rounds: purges, cache page"
    in_turn "$round" purge_side temp
    in_turn "$round" purge_side cache
    purge_native
    in_turn "$round" cache_side get
    in_turn "$round" cache_side delete
done
rm -rf "$pool" "$native" "$drive_c/shred"

works="temp-purge cache-purge"
for entry in $sizes; do works="$works shred-${entry%%:*}"; done
works="$works cache-get cache-delete startup"
echo
printf '%-28s %10s %10s %8s %10s %8s %9s %9s\n' work Clearwell "Wine floor" ratio native ratio \
    "peak MB" "floor MB"
for work in $works; do
    awk -v w="$work" -v tree="$tree" -v entries="$entries" -v sizes="$sizes" '
        function median(a, n,   i, j, t) {
            if (n == 0) return 0
            for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] > a[j]; j--) {
                t = a[j]; a[j] = a[j - 1]; a[j - 1] = t
            }
            return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
        }
        $1 == w && $2 == "clearwell" { c[++nc] = $3; if ($4 > peak) peak = $4 }
        $1 == w && $2 == "bare" { b[++nb] = $3; if ($4 > floor) floor = $4 }
        $1 == w && $2 == "native" { n[++nn] = $3 }
        END {
            if (nc == 0 && nb == 0) exit  # not run (no rounds of it)
            split(tree, t, ":")
            label = w
            if (w == "temp-purge") label = "Temp purge " t[1] "/" t[2]
            if (w == "cache-purge") label = "cache folder purge " t[1] "/" t[2]
            if (w == "cache-get") label = "Get Cache " entries
            if (w == "cache-delete") label = "Delete All " entries
            if (w == "startup") label = "start-up to main window"
            if (w ~ /^shred-/) {
                split(sizes, s, " ")
                for (i in s) { split(s[i], f, ":"); if ("shred-" f[1] == w) label = "shred " f[1] " x" f[3] }
            }
            mc = median(c, nc); mb = median(b, nb); mn = median(n, nn)
            printf "%-28s %9.3fs %9.3fs %7.2fx", label, mc, mb, (mb > 0 ? mc / mb : 0)
            if (nn > 0) printf " %9.3fs %7.2fx", mn, (mn > 0 ? mc / mn : 0)
            else printf " %10s %8s", "-", "-"
            printf " %9.1f %9.1f\n", peak / 1048576, floor / 1048576
        }' "$results"
done
echo "(medians: $rounds rounds of the shredder and start-up, $slow_rounds of the purges and the"
echo " cache page; ratio: Clearwell's time over the reference's, lower is better. Wine: $CW_WINE_ARCH,"
echo " programs of $(basename "$build"). The shredder writes level \"50\": a file shorter than"
echo " 21,240 bytes is written as 21,240 bytes; every side flushes each file before deleting it,"
echo " shred -u also renames it, syncing each time. Peak MB: the largest private bytes of the"
echo " process during the work, Clearwell's and the Wine floor's, read every 2 ms)"
# Every file and entry gone on every side, and no shredder error reported.
awk '$5 != 0 { bad = 1 } END { exit bad }' "$results"
