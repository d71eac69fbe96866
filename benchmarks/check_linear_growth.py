#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Tarvelo contributors
"""Runs the geometry benchmark at 1,000, 10,000 and 100,000 elements and fails
when the cost grows faster than linearly. The criterion is the exponent of the
power law fitted to the least processor time of several repetitions per size;
time spent waiting while another process runs does not count. Linear growth
measures 1.05-1.35 here (caches fill as the blocks grow), a quadratic 2.0, so a
bound of 1.6 is one that a loaded machine does not cross and a real quadratic
does not stay under."""
import json
import math
import subprocess
import sys

EXPONENT_LIMIT = 1.6


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
        times.setdefault(name, {})
        size = int(size)
        times[name][size] = min(times[name].get(size, math.inf), entry["cpu_time"])
    return times


def fitted_exponent(by_size):
    """Least-squares slope of log(time) over log(size)."""
    xs = [math.log(size) for size in by_size]
    ys = [math.log(by_size[size]) for size in by_size]
    mean_x, mean_y = sum(xs) / len(xs), sum(ys) / len(ys)
    return (sum((x - mean_x) * (y - mean_y) for x, y in zip(xs, ys))
            / sum((x - mean_x) ** 2 for x in xs))


def main():
    failed = False
    for name, by_size in sorted(fastest_times(sys.argv[1]).items()):
        exponent = fitted_exponent(by_size)
        sizes = ", ".join(f"{size} -> {t:.1f} us" for size, t in sorted(by_size.items()))
        verdict = "ok" if exponent <= EXPONENT_LIMIT else "GROWS FASTER THAN LINEAR"
        print(f"{name}: {sizes}; exponent {exponent:.2f} ({verdict})")
        failed |= exponent > EXPONENT_LIMIT
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
