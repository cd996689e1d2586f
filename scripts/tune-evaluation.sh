#!/usr/bin/env bash
# Tunes the weights of the strong player's evaluation from its own games.
#
#   scripts/tune-evaluation.sh [GAMES] [SIZES]      (defaults 3000 and 8)
#
# Builds the tool and the tuner in build/ (Release), plays GAMES games of the strong player against
# itself at 0.02 s a move from openings of 6 random moves over every setup and the board SIZES (a
# list as match takes it), and fits the weights to the positions of those games from the 5th ply
# on: the weights that make the evaluation best predict each game's result, under the scale that
# the weights before predicted best. The new weights replace strong/evaluation_weights.h; rebuild,
# and keep them only if a match against the build before shows that they pay:
#   scripts/match-compare.sh HEAD --time 0.1 --setup 0-8 --sprt 0 10 --jobs 2
set -euo pipefail
cd "$(dirname "$0")/.."
games=${1:-3000}
sizes=${2:-8}
[[ $games =~ ^[1-9][0-9]*$ ]] || { echo "usage: $0 [GAMES] [SIZES]" >&2; exit 2; }

generator=()
[ -f build/CMakeCache.txt ] || ! command -v ninja >/dev/null || generator=(-G Ninja)
cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target tarnwick-cli tarnwick-tune -j "$(nproc)" >/dev/null

records=$(mktemp -d "${TMPDIR:-/tmp}/tune-evaluation.XXXXXX")
trap 'rm -rf "$records"' EXIT
echo "== $games games of the strong player against itself, 0.02 s a move, sizes $sizes"
build/tarnwick-cli match strong strong --time 0.02 --openings 6 --games "$games" --setup 0-8 --size "$sizes" \
    --records "$records" --jobs "$(nproc)" | tail -1
echo "== fitting the weights"
build/tarnwick-tune --first-ply 4 --steps 3000 "$records" >"$records/../tune-weights.$$.h"
mv "$records/../tune-weights.$$.h" strong/evaluation_weights.h
git --no-pager diff --stat -- strong/evaluation_weights.h || true
