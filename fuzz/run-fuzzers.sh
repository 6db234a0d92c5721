#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build on its seeded corpus for a while and prints one line per
# target: executions, corpus size, and whether it found anything (crash, leak, timeout, OOM).
# Usage: fuzz/run-fuzzers.sh [SECONDS_PER_TARGET [BUILD_DIR [TARGET...]]]
#   defaults: 300 seconds, build/fuzz, every target. Findings land in BUILD_DIR/fuzz/findings/.
set -uo pipefail
seconds=${1:-300}
build=${2:-$(cd "$(dirname "$0")/.." && pwd)/build/fuzz}
shift 2 2>/dev/null || shift $#
corpus=$build/fuzz/corpus
findings=$build/fuzz/findings
logs=$build/fuzz/logs
mkdir -p "$findings" "$logs"

mapfile -t targets < <(if [ $# -gt 0 ]; then printf '%s\n' "$@"; else
    find "$build/fuzz" -type f -name 'fuzz_*' -perm -u+x ! -name fuzz_seeds -printf '%f\n' | sort; fi)
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz targets in $build/fuzz (cmake --preset fuzz && cmake --build --preset fuzz)"; exit 2; }

status=0
printf '%-24s %12s %8s  %s\n' target executions corpus result
for target in "${targets[@]}"; do
    binary=$(find "$build/fuzz" -type f -name "$target" -perm -u+x | head -n 1)
    [ -n "$binary" ] || { echo "$target: not built"; status=1; continue; }
    mkdir -p "$corpus/$target"
    log=$logs/$target.log
    "$binary" "$corpus/$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
        -rss_limit_mb=2048 -artifact_prefix="$findings/$target-" >"$log" 2>&1
    rc=$?
    execs=$(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}')
    files=$(find "$corpus/$target" -type f | wc -l)
    result=clean
    if [ $rc -ne 0 ]; then
        result="FOUND ($(grep -m1 -oE 'ERROR: [A-Za-z]+: [a-z-]+|ERROR: libFuzzer: [a-z-]+' "$log" || echo "exit $rc")), see $log"
        status=1
    fi
    printf '%-24s %12s %8s  %s\n' "$target" "${execs:-?}" "$files" "$result"
done
exit $status
