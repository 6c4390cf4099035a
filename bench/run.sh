#!/usr/bin/env bash
# Runs every benchmark of a build made with the bench preset and prints one table of absolute
# figures and ratios, for the README's performance section.
# Usage: bench/run.sh [BUILD_FOLDER]   (default build/bench; RUNS=40 pairs by default)
#
# Start-up runs use a virtual X server (Xvfb) and Qt's xcb platform, as on a Linux desktop:
# the offscreen platform would skip the window system's work, the window icon among it.
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build/bench}"
runs="${RUNS:-40}"
bin="$build/bench"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# A preference file and runtime folder of the run's own, so that no user's file is read.
export TOVBRENN_PREFERENCES="$work/preferences.ini"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR" "$work/card" "$work/baseline-card"

"$bin/tov-core-bench" --benchmark_out="$work/core.csv" --benchmark_out_format=csv \
    >/dev/null 2>&1

QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$bin/tov-process-bench" --runs "$runs" --paint \
    -- "$build/src/app/shell/tovbrenn" --vs "$bin/tov-bare-dialog" >"$work/startup.txt"

"$bin/tov-process-bench" --runs "$runs" \
    -- "$build/src/cli/tovbrenn-cli" menu --out "$work/card" --model 9030MG --language English \
    --clock "2024-05-07 13:04:09" --set cameraMode=Video --set videoLength=30 \
    --vs "$bin/tov-write-baseline" "$work/baseline-card" >"$work/cli.txt"

field() { awk -v key="$1" -v col="$2" '$1 == key { print $col }' "$3"; }

cpu="$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)"
echo "Machine: ${cpu:-unknown CPU}, $(nproc) cores, $(uname -sr), Qt $(qtpaths6 --qt-version 2>/dev/null || echo '?')"
echo "Processes: medians of $runs interleaved pairs after 3 warm-up pairs; start-up on Xvfb (xcb)."
echo "Spread (interquartile range / median): start-up $(field spread_pct 2 "$work/startup.txt")% /" \
    "$(field spread_pct 3 "$work/startup.txt")%, command line $(field spread_pct 2 "$work/cli.txt")% /" \
    "$(field spread_pct 3 "$work/cli.txt")%"
echo
echo "| Measure | Tov Brenn | Baseline | Ratio | Target |"
echo "|---|---:|---:|---:|---:|"
row() {  # label file key unit baseline-name target
    printf '| %s | %s %s | %s %s (%s) | %s | %s |\n' "$1" "$(field "$3" 2 "$2")" "$4" \
        "$(field "$3" 3 "$2")" "$4" "$5" "$(field "$3" 4 "$2")" "$6"
}
row "Start to first painted main window" "$work/startup.txt" time_ms ms "bare dialog" "≤ 1.10"
row "CPU time of that run (user + system)" "$work/startup.txt" cpu_ms ms "bare dialog" "–"
row "Peak memory at first paint" "$work/startup.txt" rss_mib MiB "bare dialog" "≤ 1.05"
row "\`tovbrenn-cli menu\`, start to exit" "$work/cli.txt" time_ms ms "60-byte writer" "≤ 1.20"
row "\`tovbrenn-cli menu\`, CPU time" "$work/cli.txt" cpu_ms ms "60-byte writer" "–"
row "\`tovbrenn-cli menu\`, peak memory" "$work/cli.txt" rss_mib MiB "60-byte writer" "–"
# Google Benchmark's CSV: name,iterations,real_time,cpu_time,time_unit,bytes_per_second,...
awk -F, '/^name,/ { table = 1; next } table {
    gsub(/"/, "", $1)
    if ($6 != "") {
        printf "| Core: %s | %.2f ns/byte | – | – | – |\n", $1, 1e9 / $6
    } else {
        printf "| Core: %s | %.0f %s | – | – | – |\n", $1, $3, $5
    }
}' "$work/core.csv"
