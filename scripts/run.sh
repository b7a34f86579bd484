#!/usr/bin/env bash
# Installs what is missing, builds, and starts the installer on the bundled demo CD.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh

if [ ! -x build/bin/instalator ]; then
  echo "The installer program is not built yet; the platform layer is in progress."
  exit 0
fi
cd build/demo-cd
exec ../bin/instalator
