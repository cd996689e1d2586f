#!/usr/bin/env bash
set -u
# The bench fingerprint: the total number of evaluations of the fixed suite. It changes only when
# the engine's results change; a change that alters it must say so and update this value.
source "$(dirname "$0")/lib.sh"

out=$("$CLI" bench)
total=$(printf '%s\n' "$out" | sed -n 's/^Total evaluations: //p')
if [ "$total" != 4330818 ]; then
  echo "FAIL bench fingerprint: got '$total', expected 4330818"; failures=$((failures + 1))
fi
printf '%s\n' "$out" | grep -qx 'size 8 setup 3 depth 7 moves "F1-D3 H7-H1 C8-C6 A2-C4": bestmove C1xC4 score 7695 evals 424649' ||
  { echo "FAIL bench: the known case is missing or changed"; failures=$((failures + 1)); }
printf '%s\n' "$out" | grep -Eq '^Evaluations per second: [0-9]+$' || { echo "FAIL bench: no rate line"; failures=$((failures + 1)); }
finish
