#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Tarvelo contributors
#
# Runs the host program's headless demonstration (every entry point with the
# sample drawing, accepted, and every symbol written into the drawing, alone
# and as SVG) under valgrind's memcheck, with a private store in which the
# companion libraries are registered as an installer would. Fails on any byte
# definitely lost and on invalid memory accesses, and when ezdxf finds fault
# with the drawings written.
set -euo pipefail
host=$1 register=$2 hostsupport=$3 settings=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TARVELO_STORE_DIR="$work/store" HOME="$work" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$TARVELO_STORE_DIR" "$XDG_RUNTIME_DIR" "$work/Documents"
chmod 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY
"$register" --host "$hostsupport" --settings "$settings" >/dev/null

# Uninitialised reads inside system libraries (fonts, dxflib) are their own
# business; leaks and invalid accesses are ours, apart from the one in the
# suppressions file that Qt's thread pool leaves at exit now and then.
if ! valgrind --quiet --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite \
    --show-leak-kinds=definite --undef-value-errors=no --num-callers=30 \
    --suppressions="$(dirname "$0")/qt-thread-pool.supp" \
    "$host" --demo "$work/screens" --export-dxf "$work/symbols.dxf" --into "$work/plan.dxf" \
    --export-svg "$work/symbols.svg" >"$work/demo.out" 2>"$work/valgrind.log"; then
  cat "$work/valgrind.log" >&2
  exit 1
fi
shots=$(find "$work/screens" -name '*.png' | wc -l)
if [ "$shots" -ne 8 ]; then
  echo "the demonstration left $shots screenshots instead of 8" >&2
  exit 1
fi
# Every kind draws something, so the symbols alone are many entities and
# the plan gets the same number on top of its own.
/usr/bin/python3 - "$work/symbols.dxf" "$work/plan.dxf" <<'PYTHON'
import sys
from ezdxf import recover
counts = []
for path in sys.argv[1:]:
    doc, auditor = recover.readfile(path)
    errors = auditor.errors + doc.audit().errors
    if errors:
        sys.exit(f"{path}: {errors[0].message}")
    counts.append(len(doc.modelspace()))
if counts[0] < 8 or counts[1] <= counts[0]:
    sys.exit(f"entities written: {counts[0]} alone, {counts[1]} in the plan")
PYTHON
if ! grep -q '<svg' "$work/symbols.svg"; then
  echo "no SVG picture of the symbols" >&2
  exit 1
fi
echo "memcheck: no errors, nothing definitely lost, 8 dialogs shown and accepted, symbols exported"
