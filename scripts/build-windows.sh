#!/usr/bin/env bash
# Builds the upper layers for Windows with MinGW-w64 against the real SDK, in build/windows/
# (where the normal build puts them too): build/windows/bin/instalator.exe and tawo_demo.exe,
# the demo CD's program.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/windows -j "$(nproc)" --target instalator tawo_demo
