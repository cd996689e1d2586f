#!/usr/bin/env bash
set -u
# The strong player's bench fingerprint: the total number of positions its fixed suite visits, each
# case from an empty table. It changes only when the strong player's results change; a change that
# alters it must say so and update this value. The classic player's bench is in test_bench.sh.
source "$(dirname "$0")/lib.sh"

out=$("$CLI" --engine strong bench)
total=$(printf '%s\n' "$out" | sed -n 's/^Total nodes: //p')
if [ "$total" != 1511335 ]; then
  echo "FAIL strong bench fingerprint: got '$total', expected 1511335"; failures=$((failures + 1))
fi
printf '%s\n' "$out" | grep -Eqx 'size 8 setup 3 depth 11 moves "F1-D3 H7-H1 C8-C6 A2-C4": bestmove C1xC4 score 7868 nodes 221552 \| [0-9]+\.[0-9]{6} s, [0-9]+ nodes/s' ||
  { echo "FAIL strong bench: the known case is missing or changed"; failures=$((failures + 1)); }
cases=$(printf '%s\n' "$out" | grep -c '^size ')
timed=$(printf '%s\n' "$out" | grep -Ec '^size [0-9]+ setup [0-9] depth [0-9]+ moves "[^"]*": bestmove ([A-P][0-9]+[-x][A-P][0-9]+|none) score -?[0-9]+ nodes [0-9]+ \| [0-9]+\.[0-9]{6} s, [0-9]+ nodes/s$')
if [ "$cases" -lt 10 ] || [ "$timed" != "$cases" ]; then
  echo "FAIL strong bench: $timed of $cases case lines have the form 'RESULT | T s, R nodes/s'"; failures=$((failures + 1))
fi
printf '%s\n' "$out" | grep -Eq '^Nodes per second: [0-9]+$' || { echo "FAIL strong bench: no rate line"; failures=$((failures + 1)); }
finish
