#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Tarvelo contributors
#
# Cross-builds the part without Qt for Windows with MinGW-w64 (the data model,
# the parameter store over the registry, the error log, the system
# description, the library loader, the code page 1251 codec) with its tests and
# Google Test, and runs the tests under Wine: headless, in a Wine prefix of
# the build's own, as a Russian Windows (code page 1251).
#
#   scripts/test-windows.sh [BUILD_DIR]
#
# TARVELO_WINDOWS_ARCH=i686 builds and runs 32-bit programs instead (needs the
# i386 architecture for wine32: dpkg --add-architecture i386).
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
arch=${TARVELO_WINDOWS_ARCH:-x86_64}
case "$arch" in
    x86_64) default_build="$top/build-windows" ;;
    i686) default_build="$top/build-windows-i686" ;;
    *) echo "TARVELO_WINDOWS_ARCH is x86_64 or i686, not $arch" >&2; exit 2 ;;
esac
build=${1:-$default_build}

# The cross compiler, Wine and the Russian locale it runs in; Google Test's
# sources come with googletest. Only this suite needs them, not the product.
"$top/scripts/install-deps.sh" g++-mingw-w64-x86-64-posix wine64 locales googletest
if [[ "$arch" == i686 ]]; then
    "$top/scripts/install-deps.sh" g++-mingw-w64-i686-posix wine32:i386
fi

started=$SECONDS
echo "=== windows ($arch) ==="
# Lean: only the part without Qt, optimised a little and without debug information.
cmake -S "$top" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchains/mingw-w64-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-O1 -DCMAKE_C_FLAGS_RELEASE=-O1 \
    -DTARVELO_WITHOUT_QT=ON -DTARVELO_BUILD_BENCHMARKS=OFF \
    -DTARVELO_GTEST_SOURCE_DIR=/usr/src/googletest
cmake --build "$build" -j "$(nproc)"
built=$SECONDS

# Wine's prefix and home are the build's own: the documents folder that Wine
# links to the home folder, and the registry the tests clear, are never the user's.
export WINEPREFIX="$build/wine-prefix" HOME="$build/wine-home" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY= WAYLAND_DISPLAY=
export PATH="/usr/lib/wine:$PATH"
mkdir -p "$HOME"
# A Russian Windows, as the users have: Wine takes code page 1251 from a Russian
# locale, and file names in any script need that locale to be a UTF-8 one. It
# is made in the build folder, so the machine's own locales stay as they are.
export LOCPATH="$build/locale"
if [[ ! -d "$LOCPATH/ru_RU.UTF-8" ]]; then
    mkdir -p "$LOCPATH"
    localedef -i ru_RU -f UTF-8 "$LOCPATH/ru_RU.UTF-8"
fi
russian=(env LC_ALL=ru_RU.UTF-8)
wine_loader=wine64
[[ "$arch" == i686 ]] && wine_loader=wine
trap 'wineserver -k 2>/dev/null || true' EXIT
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    if ! "${russian[@]}" "$wine_loader" wineboot --init >/dev/null 2>&1; then
        echo "Wine ($wine_loader) does not start here; a 32-bit one needs a kernel that runs 32-bit programs." >&2
        exit 1
    fi
    wineserver -w
fi
"${russian[@]}" ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
echo "Windows suite: build $((built - started)) s, tests $((SECONDS - built)) s"
