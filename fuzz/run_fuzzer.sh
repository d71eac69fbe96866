#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Tarvelo contributors
#
# Builds the DXF reader's fuzzers with clang, one for any input and one for
# binary DXF, and runs each on a seed corpus of the sample plan and the test
# drawings, sharing the given time between them. Any crash fails the script.
# Usage: run_fuzzer.sh BUILD_DIR [SECONDS]
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${1:?build folder}
seconds=${2:-60}
mkdir -p "$build_dir/objects" "$build_dir/artifacts"

# The readers, the table walk and the text codec they need, instrumented once for both fuzzers;
# dxflib is the system's build.
flags=(-std=c++20 -O1 -g -fno-omit-frame-pointer -fno-sanitize-recover=undefined
       -I"$top/host" -I"$top/hostcad" -I"$top/services/include" -I"$top/fuzz")
objects=()
for source in host/DxfDrawing.cpp host/DxfTextGroupReader.cpp host/DxfBinaryGroupReader.cpp \
              host/DxfNameDecoder.cpp hostcad/TableWalk.cpp services/src/TextCodec.cpp; do
    object="$build_dir/objects/$(basename "$source" .cpp).o"
    clang++ "${flags[@]}" -fsanitize=fuzzer-no-link,address,undefined -c "$top/$source" -o "$object"
    objects+=("$object")
done
for fuzzer in DxfDrawingFuzzer DxfBinaryDrawingFuzzer; do
    clang++ "${flags[@]}" -fsanitize=fuzzer,address,undefined "$top/fuzz/$fuzzer.cpp" "${objects[@]}" \
        -ldxflib -o "$build_dir/$fuzzer"
done

# Seeds: the test drawings and the sample plan, binary files apart from text ones.
rm -rf "$build_dir/seeds"
mkdir -p "$build_dir/seeds/generated" "$build_dir/seeds/text" "$build_dir/seeds/binary"
/usr/bin/python3 "$top/tests/host/make_test_drawings.py" "$build_dir/seeds/generated"
cp "$top/samples/plan.dxf" "$build_dir/seeds/text/"
for seed in "$build_dir/seeds/generated"/*; do
    if [[ $(head -c 18 "$seed") == "AutoCAD Binary DXF" ]]; then
        cp "$seed" "$build_dir/seeds/binary/"
    else
        cp "$seed" "$build_dir/seeds/text/"
    fi
done

# Runs one fuzzer; its progress goes to a log, of which only the end is shown, in full when it failed.
run() {
    local fuzzer=$1 seeds=$2 time=$3
    local log="$build_dir/$fuzzer.log"
    mkdir -p "$build_dir/corpus/$fuzzer"
    local status=0
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "$build_dir/$fuzzer" "$build_dir/corpus/$fuzzer" "$seeds" \
        -max_total_time="$time" -rss_limit_mb=2048 -max_len=65536 -timeout=10 \
        -artifact_prefix="$build_dir/artifacts/$fuzzer-" -print_final_stats=1 >"$log" 2>&1 || status=$?
    if [[ $status -ne 0 ]]; then
        tail -n 60 "$log"
        echo "The fuzzer $fuzzer failed; the input that did it is in $build_dir/artifacts/" >&2
        exit "$status"
    fi
    echo "$fuzzer:"
    grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || true
}

binary_seconds=$((seconds / 2))
run DxfDrawingFuzzer "$build_dir/seeds/text" $((seconds - binary_seconds))
run DxfBinaryDrawingFuzzer "$build_dir/seeds/binary" "$binary_seconds"
