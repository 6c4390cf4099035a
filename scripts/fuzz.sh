#!/usr/bin/env bash
# Builds the fuzz targets (clang, the fuzz preset), writes their seed corpora and runs each
# target for SECONDS (default 60), keeping what it learns in build/fuzz/corpus/<target>.
# Prints one line per target: executions, coverage (edges), features, corpus size, findings.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]; exits 1 when a target found a fault.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true

if ! command -v clang++ >/dev/null; then
    echo "fuzz: clang++ is not installed; the fuzz targets need clang with libFuzzer" >&2
    exit 0
fi
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2
build=build/fuzz

targets=("$@")
[[ ${#targets[@]} -gt 0 ]] || mapfile -t targets < "$build/fuzz-targets.txt"
found=0
printf '%-20s %12s %8s %8s %8s %s\n' target executions edges features corpus findings
for target in "${targets[@]}"; do
    artifacts=$build/artifacts/$target/
    mkdir -p "$artifacts"
    log=$build/$target.log
    TOV_FUZZ_SEEDS=$build/corpus/$target "$build/fuzz/$target"
    status=0
    ASAN_OPTIONS=detect_leaks=1 "$build/fuzz/$target" -max_total_time="$seconds" \
        -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$artifacts" \
        "$build/corpus/$target" >"$log" 2>&1 || status=$?
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    last=$(grep -E '^#[0-9]+' "$log" | tail -1)
    edges=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
    features=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
    corpus=$(ls "$build/corpus/$target" | wc -l)
    findings=$(ls "$artifacts" | wc -l)
    printf '%-20s %12s %8s %8s %8s %s\n' "$target" "${execs:-?}" "${edges:-?}" \
        "${features:-?}" "$corpus" "$findings"
    if [[ $status != 0 || $findings != 0 ]]; then
        found=1
        echo "  $target: exit $status; see $log and $artifacts" >&2
    fi
done
exit $found
