#!/usr/bin/env bash
set -u
# The strong player's bench fingerprint: the total number of positions its fixed suite visits, each
# case from an empty table. It changes only when the strong player's results change; a change that
# alters it must say so and update this value. The classic player's bench is in test_bench.sh.
source "$(dirname "$0")/lib.sh"

check_bench "strong bench" "$("$CLI" --engine strong bench)" "Total nodes" 2826866 nodes "Nodes per second" \
  'size 8 setup 3 depth 11 moves "F1-D3 H7-H1 C8-C6 A2-C4": bestmove C1xC4 score 9804 nodes 321867'
finish
