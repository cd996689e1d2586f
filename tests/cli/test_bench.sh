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
# Tools read the result part of a case line, up to the evaluations; the time and the rate follow.
printf '%s\n' "$out" | grep -Eqx 'size 8 setup 3 depth 7 moves "F1-D3 H7-H1 C8-C6 A2-C4": bestmove C1xC4 score 7695 evals 424649 \| [0-9]+\.[0-9]{6} s, [0-9]+ evals/s' ||
  { echo "FAIL bench: the known case is missing or changed"; failures=$((failures + 1)); }
cases=$(printf '%s\n' "$out" | grep -c '^size ')
timed=$(printf '%s\n' "$out" | grep -Ec '^size [0-9]+ setup [0-9] depth [0-9]+ moves "[^"]*": bestmove ([A-P][0-9]+[-x][A-P][0-9]+|none) score -?[0-9]+ evals [0-9]+ \| [0-9]+\.[0-9]{6} s, [0-9]+ evals/s$')
if [ "$cases" -lt 10 ] || [ "$timed" != "$cases" ]; then
  echo "FAIL bench: $timed of $cases case lines have the form 'RESULT | T s, R evals/s'"; failures=$((failures + 1))
fi
printf '%s\n' "$out" | grep -Eq '^Evaluations per second: [0-9]+$' || { echo "FAIL bench: no rate line"; failures=$((failures + 1)); }
finish
