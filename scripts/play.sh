#!/usr/bin/env bash
# Installs what building and running the game needs, builds Tarnwick in Release and starts the game.
# Arguments go to the game (the toolkit's switches, see `man tarnwick`).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "play.sh: no display (DISPLAY and WAYLAND_DISPLAY are unset): start it from a desktop session" >&2
    exit 1
fi
bash scripts/install-deps.sh play
# A build directory made earlier keeps its generator and its settings; a new one uses Ninja and leaves
# the tests out, whose packages this script does not install.
options=(-G Ninja -DTARNWICK_TESTS=OFF)
[ ! -f build/CMakeCache.txt ] || options=()
cmake -S . -B build "${options[@]}" -DCMAKE_BUILD_TYPE=Release -DTARNWICK_DESKTOP=ON >/dev/null
cmake --build build --target tarnwick -j "$(nproc)"
exec ./build/tarnwick "$@"
