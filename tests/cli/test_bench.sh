#!/usr/bin/env bash
set -u
# The bench fingerprint: the total number of evaluations of the fixed suite. It changes only when
# the engine's results change; a change that alters it must say so and update this value.
source "$(dirname "$0")/lib.sh"

check_bench bench "$("$CLI" bench)" "Total evaluations" 4330818 evals "Evaluations per second" \
  'size 8 setup 3 depth 7 moves "F1-D3 H7-H1 C8-C6 A2-C4": bestmove C1xC4 score 7695 evals 424649'
finish
