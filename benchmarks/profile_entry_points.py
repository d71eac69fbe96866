#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Tarvelo contributors
"""Where an entry point call spends its time, counted in instructions by
valgrind's callgrind, which other processes on a busy machine do not disturb.

Runs the entry point benchmark under callgrind for each symbol kind (and the
floor dialog), collects one call after two warm-up calls, and prints per kind
the instructions of each part of the call: the store, the companion library
(loading, its data file, its own store reads), the layer walk and the combo's
names, building the dialog, its pictures, showing and painting it, and taking
it down. Parts nest (the library's store reads are part of the library), so
the columns do not add up to the total. Time spent in the kernel (opening
files, mapping libraries) is not counted here; the benchmark's CPU time has it.

    benchmarks/profile_entry_points.py BUILD_DIR [--layers N] [--kinds floor,SectionSymbol,...]
"""
import argparse
import glob
import os
import re
import subprocess
import sys
import tempfile

KINDS = ["floor", "SectionSymbol", "DivisionSymbol", "LvlMrkSymbol", "MrkCmmSymbol", "JpntSymbol",
         "CoordLineSymbol", "WeldSymbol", "BoundHatchSymbol"]

MODULE = "libtarvelo_symbols.so"
COMPANION = "libdhostsp.so"
EXPORTS = ["GetAttribs", "ReadTraits", "GetDefaultAxis", "SaveDefaultAxis", "FillParamRecs", "FillComboBox",
           "GetColorFromDB", "AppendColorDb", "AppendLineTypeDb", "DescribeAttributes", "UpdateAttributes"]

# (label, patterns, object or None, how): "max" takes the outermost of the matching functions,
# "sum" adds distinct functions that do not call each other.
PARTS = [
    ("store, module", [r"SqliteRegistryStore::readValue\(", r"SqliteRegistryStore::writeValue\("], MODULE, "sum"),
    ("library load", [r"SharedLibrary::SharedLibrary\(std::filesystem"], MODULE, "max"),
    ("library unload", [r"SharedLibrary::release\(\)", r"SharedLibrary::~SharedLibrary\(\)"], MODULE, "max"),
    ("library calls", [r"^%s$" % name for name in EXPORTS], COMPANION, "sum"),
    ("  its data file", [r"hostsupport::readCatalog\("], COMPANION, "max"),
    ("  its store", [r"SqliteRegistryStore::readValue\(", r"SqliteRegistryStore::writeValue\("], COMPANION, "sum"),
    ("layer walk", [r"hostcad::walkTableNames"], None, "max"),
    ("layer combo fill", [r"CComboLayers::FillLayers\(", r"QComboBox::setModel\("], None, "max"),
    ("build dialog", [r"^tarvelo::dialogs::(\w+)::\1\((QWidget|tarvelo)", r"buildPlainDialog\("], None, "max"),
    ("pictures loaded", [r"ImageButton::LoadBitmaps\([^)]*\)$", r"^QIcon::QIcon\(QString const&\)"], None, "sum"),
    ("pictures drawn", [r"^QSvgRenderer::render\("], None, "max"),
    ("show, paint, accept", [r"^QDialog::exec\(\)"], None, "max"),
    ("  preview", [r"render::renderSymbol\(", r"render::paintDrawing\("], None, "sum"),
    ("take down", [r"^QDialog::~QDialog\(\)"], None, "max"),
]

LINE = re.compile(r"^\s*([\d,]+)\s+\([\s\d.]+%\)\s+(.*)$")


def run_callgrind(benchmark, kind, layers, folder):
    collect = "*floorDialog(benchmark::State&, long, bool)" if kind == "floor" else kind
    command = ["valgrind", "--tool=callgrind", "--callgrind-out-file=%s/cg.%%p" % folder,
               "--toggle-collect=" + collect, "--dump-after=" + collect, benchmark,
               "--benchmark_filter=^%s/layers:%d$" % (kind, layers), "--benchmark_repetitions=3",
               "--benchmark_min_time=0.000001"]
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    parts = sorted(glob.glob(folder + "/cg.*.*"), key=lambda name: int(name.rsplit(".", 1)[1]))
    if not parts:
        sys.exit("callgrind wrote no dump for %s" % kind)
    return parts[-1]


def inclusive_costs(dump):
    """Function name and object -> the largest inclusive count among its entries."""
    # Run away from the sources: relative paths found from here would split a function's entries.
    text = subprocess.run(["callgrind_annotate", "--inclusive=yes", "--auto=no", "--threshold=100", dump], check=True,
                          capture_output=True, text=True, cwd=os.path.dirname(dump)).stdout
    costs = {}
    for line in text.splitlines():
        match = LINE.match(line)
        if not match:
            continue
        count = int(match.group(1).replace(",", ""))
        rest = match.group(2)
        obj = ""
        if rest.endswith("]") and " [" in rest:
            rest, obj = rest[:-1].rsplit(" [", 1)
        function = rest.split(":", 1)[1] if ":" in rest else rest
        key = (function, os.path.basename(obj))
        costs[key] = max(costs.get(key, 0), count)
    return costs


def part_cost(costs, patterns, obj, how):
    matches = {}
    for (function, where), count in costs.items():
        # The companion library is gone by the time of the dump, so its functions come without an object.
        if obj is not None and (where or COMPANION) != obj:
            continue
        if any(re.search(pattern, function) for pattern in patterns):
            matches[function] = max(matches.get(function, 0), count)
    if not matches:
        return 0
    return sum(matches.values()) if how == "sum" else max(matches.values())


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build", help="the build folder")
    parser.add_argument("--layers", type=int, default=10000)
    parser.add_argument("--kinds", default=",".join(KINDS))
    arguments = parser.parse_args()
    benchmark = os.path.join(arguments.build, "benchmarks", "entry_point_benchmark")
    kinds = arguments.kinds.split(",")
    table = {}
    for kind in kinds:
        with tempfile.TemporaryDirectory(prefix="tarvelo-profile-") as folder:
            costs = inclusive_costs(run_callgrind(benchmark, kind, arguments.layers, folder))
        total = costs.get((kind, MODULE), 0) if kind != "floor" else max(
            (count for (function, _), count in costs.items() if "floorDialog" in function), default=0)
        table[kind] = [total] + [part_cost(costs, patterns, obj, how) for _, patterns, obj, how in PARTS]
    labels = ["whole call"] + [label for label, *_ in PARTS]
    print("Millions of instructions per call, %d layers" % arguments.layers)
    print("%-22s" % "" + "".join("%11s" % kind[:10] for kind in kinds))
    for row, label in enumerate(labels):
        print("%-22s" % label + "".join("%11.2f" % (table[kind][row] / 1e6) for kind in kinds))


if __name__ == "__main__":
    main()
