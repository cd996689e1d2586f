#!/usr/bin/env bash
set -u
# Soak: self-play over every board size and setup with the position checker after every move,
# in fixed-depth games and in timed games whose time-outs strike mid-search. A longer run for
# manual use is described in the README.
source "$(dirname "$0")/lib.sh"

run_series() {
  local name=$1
  shift
  local out status=0
  out=$("$CLI" selfplay --check "$@" 2>&1) || status=$?
  local summary
  summary=$(printf '%s\n' "$out" | tail -1)
  if [ "$status" -ne 0 ] || ! printf '%s' "$summary" | grep -Eq '^[0-9]+ games: [0-9]+ wins for side 0, [0-9]+ wins for side 1, [0-9]+ unfinished'; then
    echo "FAIL soak $name: status $status"; printf '%s\n' "$out" | tail -5
    failures=$((failures + 1))
  fi
  echo "soak $name: $summary, $(printf '%s\n' "$out" | grep -c '^result') games, $(printf '%s\n' "$out" | grep -v -E '^(game|result|[0-9]+ games)' | wc -w) moves"
}

# TARNWICK_SOAK=quick (the sanitizer build) plays every pair once at a smaller depth.
if [ "${TARNWICK_SOAK:-}" = quick ]; then
  run_series fixed-depth-2 --size 4-16 --setup 0-8 --games 117 --depth 2 --max-moves 200
  run_series timed --size 5,9,13,16 --setup 8 --games 4 --depth 9 --time 0.03 --max-moves 30
else
  run_series fixed-depth-3 --size 4-16 --setup 0-8 --games 117 --depth 3 --max-moves 300
  run_series timed --size 4-16 --setup 5 --games 13 --depth 9 --time 0.03 --max-moves 50
fi
finish
