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

run_once() { # stats-file command... -> wall ms; peak KiB into the stats file
    local start end
    start=$(date +%s%N)
    QUIBLAX_SPLASH_MS=0 QUIBLAX_EXIT_WHEN_SHOWN=1 /usr/bin/time -o "$1" -f '%M' "${@:2}" >/dev/null 2>&1
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000000 ))"
}
median() { sort -n | sed -n "$(( runs / 2 + 1 ))p"; }

# Paired runs, the game and the bare window in turn, so a change in the machine's load
# falls on both alike.
cd "$build/suite"
# Games that keep settings in the Windows folder keep them in a temporary one here.
windir=$(mktemp -d)
export windir
stats=$(mktemp)
trap 'rm -rf "$windir" "$stats"' EXIT
answers=()
# Nibbolet asks who plays before its window shows: a game against the computer.
[ "$program" = nibbolet ] && answers=(QUIBLAX_ANSWERS="No|Player")
game_times=() game_mems=() bare_times=() bare_mems=()
for _ in $(seq "$runs"); do
    game_times+=("$(run_once "$stats" env "${answers[@]}" "./$program")")
    game_mems+=("$(tail -n 1 "$stats")")
    bare_times+=("$(run_once "$stats" ../tools/bare-window)")
    bare_mems+=("$(tail -n 1 "$stats")")
done
game_ms=$(printf '%s\n' "${game_times[@]}" | median)
game_kb=$(printf '%s\n' "${game_mems[@]}" | median)
bare_ms=$(printf '%s\n' "${bare_times[@]}" | median)
bare_kb=$(printf '%s\n' "${bare_mems[@]}" | median)
printf '%-12s %8s %10s\n' "" "ms" "peak KiB"
printf '%-12s %8s %10s\n' "$program" "$game_ms" "$game_kb"
printf '%-12s %8s %10s\n' "bare window" "$bare_ms" "$bare_kb"
awk -v g="$game_ms" -v b="$bare_ms" -v gk="$game_kb" -v bk="$bare_kb" \
    'BEGIN { printf "time ratio %.2f (goal <= 1.20), memory difference %.1f MiB (goal <= 10)\n", (b ? g / b : 0), (gk - bk) / 1024 }'
