#!/usr/bin/env bash
# Configures and builds the project. Usage: scripts/build.sh [--sanitize] [extra cmake args]
# The normal build goes to build/, the sanitizer build to build-asan/.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build
cmake_args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  shift
  build_dir=build-asan
  cmake_args=(-DCMAKE_BUILD_TYPE=Debug -DTAWO_SANITIZE=ON -DTAWO_BENCH=OFF)
fi

cmake -S . -B "$build_dir" "${cmake_args[@]}" "$@" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
