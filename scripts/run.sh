#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Tarvelo contributors
#
# Installs what is missing, builds the product and runs the host program:
# its window when there is a screen; otherwise the headless demonstration,
# which leaves a picture of every dialog in build/demo-output and prints the
# blocks as JSON. Arguments are passed on to tarvelo-host (see its --help).
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build" -G Ninja -DTARVELO_BUILD_TESTS=OFF -DTARVELO_BUILD_BENCHMARKS=OFF
cmake --build "$top/build" -j "$(nproc)"
# As an installer would: tell the module where the companion libraries are.
"$top/build/companions/install/tarvelo-register-libraries" \
  --host "$top/build/companions/hostsupport/libdhostsp.so" \
  --settings "$top/build/companions/settings/libcfgkit.so"
host="$top/build/host/tarvelo-host"
if [[ $# -eq 0 && -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  exec "$host" --demo "$top/build/demo-output"
fi
exec "$host" "$@"
