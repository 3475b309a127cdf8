#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a bounded time each, starting from its seed
# corpus in fuzz/corpus/<target>/, and fails when one of them finds a crash.
#   scripts/run-fuzz.sh <build dir>      FUZZ_SECONDS (default 60) per target
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?usage: run-fuzz.sh <build dir>}
seconds=${FUZZ_SECONDS:-60}
failed=0
for src in "$root"/fuzz/*.cpp; do
    name=$(basename "$src" .cpp)
    exe=$build/$name
    [ -x "$exe" ] || { echo "run-fuzz: $exe was not built"; failed=1; continue; }
    # New inputs go to the build tree; the seeds in the repository stay as they are.
    work=$build/corpus/$name
    artifacts=$build/artifacts/$name/
    mkdir -p "$work" "$artifacts"
    seeds=()
    [ -d "$root/fuzz/corpus/$name" ] && seeds=("$root/fuzz/corpus/$name")
    echo "== $name (${seconds} s)"
    if "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384 \
        -print_final_stats=1 -artifact_prefix="$artifacts" "$work" "${seeds[@]}" \
        >"$build/$name.log" 2>&1; then
        grep -E "^stat::number_of_executed_units|^stat::new_units_added" "$build/$name.log" || true
    else
        echo "run-fuzz: $name failed; see $build/$name.log and $artifacts"
        tail -n 30 "$build/$name.log"
        failed=1
    fi
done
[ "$failed" -eq 0 ] && echo "fuzz: every target ran ${seconds} s without a crash"
exit "$failed"
