#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Tarvelo contributors
"""Runs the geometry benchmark and fails when ten times the content costs more
than twelve times the time. The fastest of several repetitions is compared, as
it is the least disturbed by whatever else the machine is doing, and a run
that looks too slow is measured again up to twice more: a growth that is
really worse than linear fails every time, a disturbed run does not."""
import json
import subprocess
import sys

LIMIT = 12.0
SMALL, LARGE = 1000, 10000


def fastest_times(benchmark):
    run = subprocess.run(
        [benchmark, "--benchmark_format=json", "--benchmark_repetitions=7",
         "--benchmark_min_time=0.05", "--benchmark_report_aggregates_only=false"],
        check=True, capture_output=True, text=True)
    times = {}
    for entry in json.loads(run.stdout)["benchmarks"]:
        if entry.get("run_type") != "iteration":
            continue
        name, size = entry["run_name"].rsplit("/", 1)
        key = (name, int(size))
        times[key] = min(times.get(key, float("inf")), entry["real_time"])
    return times


ATTEMPTS = 3


def check(benchmark):
    times = fastest_times(benchmark)
    failed = False
    for name in sorted({name for name, _ in times}):
        small, large = times[(name, SMALL)], times[(name, LARGE)]
        ratio = large / small
        verdict = "ok" if ratio <= LIMIT else "TOO SLOW"
        print(f"{name}: {SMALL} -> {small:.1f} us, {LARGE} -> {large:.1f} us, ratio {ratio:.2f} ({verdict})")
        failed |= ratio > LIMIT
    return failed


def main():
    for attempt in range(ATTEMPTS):
        if not check(sys.argv[1]):
            return 0
        if attempt + 1 < ATTEMPTS:
            print("measuring again")
    return 1


if __name__ == "__main__":
    sys.exit(main())
