#!/usr/bin/env bash
# Installs what is missing, builds everything (the build also writes the demo CD into
# build/demo-cd) and starts the installer with the demo CD as its current folder.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh

cd build/demo-cd
exec ../bin/instalator
