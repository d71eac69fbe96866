#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Tarvelo contributors
#
# Installs what is missing, then builds and runs the whole test suite twice:
# a normal build, and one under AddressSanitizer and UndefinedBehaviorSanitizer
# in which leaks and undefined behaviour fail the run; last, the part without
# Qt cross-built for Windows and tested under Wine.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$top/scripts/install-deps.sh"
jobs=$(nproc)

run_suite() {
    local build_dir=$1
    shift
    echo "=== $(basename "$build_dir") ==="
    cmake -S "$top" -B "$build_dir" -G Ninja "$@"
    cmake --build "$build_dir" -j "$jobs"
    ctest --test-dir "$build_dir" --output-on-failure -j "$jobs"
}

echo "=== fuzz ==="
# The text and the binary DXF fuzzers share the minute.
"$top/fuzz/run_fuzzer.sh" "$top/build-fuzz" 60
# Optimised as shipped, but without debug information: the suite reads none, and
# writing it costs a quarter of the build.
run_suite "$top/build-tests" -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -DNDEBUG"
# Unoptimised: the sanitizers find the same faults, and an optimised build under
# them takes three times as long to compile.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_suite "$top/build-asan" -DCMAKE_BUILD_TYPE=Debug -DTARVELO_SANITIZE=ON -DTARVELO_BUILD_BENCHMARKS=OFF
"$top/scripts/test-windows.sh" "$top/build-windows"
