#!/usr/bin/env bash
# Installs what is missing, builds Tarnwick and runs every test: unit, command-line, in-process
# desktop tests, and the desktop program itself under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)"
ctest --test-dir build --output-on-failure -j "$(nproc)"
