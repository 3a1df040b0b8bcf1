#!/usr/bin/env bash
# Builds the file readers' fuzz targets with clang and runs each for a bounded time.
#   tools/fuzz.sh [seconds per target, default 20] [build folder, default build/fuzz]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
seconds=${1:-20}
build=${2:-$here/../build/fuzz}
mkdir -p "$build"
{ cmake -S "$here/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ &&
    cmake --build "$build"; } >"$build/build.log" 2>&1 ||
    { tail -n 40 "$build/build.log"; echo "FAIL building the fuzz targets"; exit 1; }
for target in fuzz_textfile fuzz_squ fuzz_maz fuzz_kavrinth fuzz_hng fuzz_hex fuzz_trv fuzz_wav fuzz_picture; do
    corpus="$build/corpus-$target"
    mkdir -p "$corpus"
    dict=()
    [ -f "$here/fuzz/$target.dict" ] && dict=(-dict="$here/fuzz/$target.dict")
    seeds=()
    [ -d "$here/fuzz/seeds/$target" ] && seeds=("$here/fuzz/seeds/$target")
    "$build/$target" "${dict[@]}" -max_total_time="$seconds" -max_len=4096 -print_final_stats=0 \
        -artifact_prefix="$build/$target-" "$corpus" "${seeds[@]}" 2>"$build/$target.log" ||
        { tail -n 40 "$build/$target.log"; echo "FAIL $target"; exit 1; }
    echo "ok   $target: $(grep -c . <(ls "$corpus")) inputs in its corpus after ${seconds}s"
done
