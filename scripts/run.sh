#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
bash scripts/install-deps.sh "${BUILD_PACKAGES[@]}"

build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DVARNEL_BUILD_TESTS=OFF
cmake --build "$build" -j "$(nproc)" --target varnel
exec "$build/app/varnel"
