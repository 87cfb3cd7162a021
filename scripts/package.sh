#!/usr/bin/env bash
# Builds what ships: build/windows/dist/BrelFX-<version>-setup.exe (installer)
# and BrelFX-<version>-portable.zip, both from the shipping folder
# build/windows/shipping/BrelFX. Same as: cmake --build --preset windows --target package
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh >/dev/null
cmake --preset windows >/dev/null
cmake --build --preset windows --target package
ls -l build/windows/dist/
