#!/usr/bin/env bash
# Start-up time and peak memory of a game beside a bare Qt window with a menu bar.
#   tools/startup-bench.sh [program] [runs]     (default: squares, 21 runs)
# Each run starts the program with the splash interval at 0 and lets it end as soon as its
# window has been shown; the median wall time and the median peak resident memory are shown.
# Runs under Xvfb when there is no display.
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-squares}
runs=${2:-21}
build=${BUILD_DIR:-build}
cmake --build "$build" --target "$program" bare-window >/dev/null

if [ -z "${DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
    exec xvfb-run -a "$0" "$@"
fi

measure() { # command... -> "median_ms median_kb"
    local times=() mems=() stats
    stats=$(mktemp)
    for _ in $(seq "$runs"); do
        local start end
        start=$(date +%s%N)
        QUIBLAX_SPLASH_MS=0 QUIBLAX_EXIT_WHEN_SHOWN=1 /usr/bin/time -o "$stats" -f '%M' "$@" >/dev/null 2>&1
        end=$(date +%s%N)
        times+=("$(( (end - start) / 1000000 ))")
        mems+=("$(tail -n 1 "$stats")")
    done
    rm -f "$stats"
    local mid=$(( runs / 2 + 1 ))
    echo "$(printf '%s\n' "${times[@]}" | sort -n | sed -n "${mid}p") $(printf '%s\n' "${mems[@]}" | sort -n | sed -n "${mid}p")"
}

cd "$build/suite"
# Settings a game keeps in the Windows directory go to a folder of their own.
windir=$(mktemp -d)
export windir
trap 'rm -rf "$windir"' EXIT
read -r game_ms game_kb < <(measure "./$program")
read -r bare_ms bare_kb < <(measure ../tools/bare-window)
printf '%-12s %8s %10s\n' "" "ms" "peak KiB"
printf '%-12s %8s %10s\n' "$program" "$game_ms" "$game_kb"
printf '%-12s %8s %10s\n' "bare window" "$bare_ms" "$bare_kb"
awk -v g="$game_ms" -v b="$bare_ms" -v gk="$game_kb" -v bk="$bare_kb" \
    'BEGIN { printf "time ratio %.2f (goal <= 1.30), memory difference %.1f MiB (goal <= 10)\n", (b ? g / b : 0), (gk - bk) / 1024 }'
