#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Tarvelo contributors
#
# Builds the DXF reader's fuzzer with clang and runs it on a seed corpus of
# the sample plan and the test drawings. Any crash fails the script.
# Usage: run_fuzzer.sh BUILD_DIR [SECONDS]
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${1:?build folder}
seconds=${2:-60}
mkdir -p "$build_dir/seeds" "$build_dir/corpus" "$build_dir/artifacts"

# The reader, the table walk and the text codec it needs, instrumented; dxflib is the system's build.
clang++ -std=c++20 -O1 -g -fno-omit-frame-pointer \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I"$top/host" -I"$top/entry" -I"$top/services/include" \
    "$top/fuzz/DxfDrawingFuzzer.cpp" \
    "$top/host/DxfDrawing.cpp" "$top/host/DxfGroupReader.cpp" "$top/host/DxfNameDecoder.cpp" \
    "$top/entry/TableWalk.cpp" "$top/services/src/TextCodec.cpp" \
    -ldxflib -o "$build_dir/dxf_drawing_fuzzer"

/usr/bin/python3 "$top/tests/host/make_test_drawings.py" "$build_dir/seeds"
cp "$top/samples/plan.dxf" "$build_dir/seeds/"

# The run's progress goes to a log; only its end is shown, in full when it failed.
log="$build_dir/fuzz.log"
status=0
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$build_dir/dxf_drawing_fuzzer" "$build_dir/corpus" "$build_dir/seeds" \
    -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 -timeout=10 \
    -artifact_prefix="$build_dir/artifacts/" -print_final_stats=1 >"$log" 2>&1 || status=$?
if [[ $status -ne 0 ]]; then
    tail -n 60 "$log"
    echo "The DXF reader's fuzzer failed; the input that did it is in $build_dir/artifacts/" >&2
    exit "$status"
fi
grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || true
