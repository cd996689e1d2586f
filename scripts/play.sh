#!/usr/bin/env bash
# Installs what is missing, builds Tarnwick in Release and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target tarnwick -j "$(nproc)"
exec ./build/tarnwick "$@"
