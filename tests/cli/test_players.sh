#!/usr/bin/env bash
set -u
# The choice of player: --engine, --engine0/--engine1, --level and --hash with the commands that think.
source "$(dirname "$0")/lib.sh"
position=(--moves "F1-D3 H7-H1 C8-C6 A2-C4")

# The strong player's fixed-depth search names the positions it visited and the line it expects, the
# same on every run and whatever the size of its table. The line starts with the best move and plays
# on from the position.
move='[A-P][0-9]+[-x][A-P][0-9]+'
first=$("$CLI" "${position[@]}" --engine strong search 5)
printf '%s\n' "$first" | grep -Eqx "bestmove ($move) score -?[0-9]+ nodes [0-9]+ pv \\1( $move){4}" ||
  { echo "FAIL strong search form: $first"; failures=$((failures + 1)); }
"$CLI" --moves "F1-D3 H7-H1 C8-C6 A2-C4 ${first#* pv }" show >/dev/null ||
  { echo "FAIL strong search line does not replay: $first"; failures=$((failures + 1)); }
expect_output strong-search-again "$first" "${position[@]}" --engine strong search 5
expect_output strong-search-hash "$first" "${position[@]}" --engine strong --hash 1 search 5
# The classic player stays the default.
expect_output classic-default 'bestmove C1xC4 score 8206 evals 22093' "${position[@]}" search 5
expect_output classic-named 'bestmove C1xC4 score 8206 evals 22093' "${position[@]}" --engine classic search 5
# Each side's engine: side 0 is to move here, so --engine1 leaves it classic.
expect_output engine1-only 'bestmove C1xC4 score 8206 evals 22093' "${position[@]}" --engine1 strong search 5
expect_output engine0-only "$first" "${position[@]}" --engine0 strong search 5

# think adds the depth completed; with a level it needs no arguments and stays within its depth.
out=$("$CLI" "${position[@]}" --engine strong think 4)
printf '%s\n' "$out" | grep -Eqx "bestmove ($move) score -?[0-9]+ nodes [0-9]+ depth 4 pv \\1( $move){3}" ||
  { echo "FAIL strong think: $out"; failures=$((failures + 1)); }
# levels: a header, then a line per level whose limits fit the desktop's fields and never shrink.
levels=$("$CLI" levels)
[ "$(head -1 <<<"$levels")" = "level depth seconds" ] &&
  [ "$(tail -n +2 <<<"$levels" | awk 'NF == 3 && $1 == NR && $2 >= d && $2 <= 30 && $3 >= s && $3 >= 1 { d = $2; s = $3; n++ } END { print n }')" = 10 ] ||
  { echo "FAIL levels:"; echo "$levels"; failures=$((failures + 1)); }
depth3=$(awk '$1 == 3 { print $2 }' <<<"$levels")
out=$("$CLI" "${position[@]}" --level 3 think)
completed=$(printf '%s\n' "$out" | sed -nE 's/^bestmove [A-P][0-9]+[-x][A-P][0-9]+ score -?[0-9]+ nodes [0-9]+ depth ([0-9]+) pv .*$/\1/p')
[ -n "$completed" ] && [ "$completed" -ge 1 ] && [ "$completed" -le "$depth3" ] ||
  { echo "FAIL level think within depth $depth3: $out"; failures=$((failures + 1)); }

# selfplay with a player per side, and analyse with the strong one: every move played replays.
moves=$("$CLI" --size 7 --setup 4 --engine0 strong --engine1 classic selfplay --depth 2 --check | head -1)
"$CLI" --size 7 --setup 4 --moves "$moves" show >/dev/null || { echo "FAIL selfplay per side: $moves"; failures=$((failures + 1)); }
out=$("$CLI" --size 6 --moves "B1-B3 A2-C2 B6-B4" --engine strong analyse 2)
[ "$(printf '%s\n' "$out" | grep -Ec '^[1-3] [A-F][0-9][-x][A-F][0-9] played -?[0-9]+ best [A-F][0-9][-x][A-F][0-9] -?[0-9]+( \?\??)?$')" = 3 ] &&
  printf '%s\n' "$out" | tail -2 | head -1 | grep -Eqx 'side 0: 2 moves, [0-2] marked \?, [0-2] marked \?\?' &&
  printf '%s\n' "$out" | tail -1 | grep -Eqx 'side 1: 1 moves, [01] marked \?, [01] marked \?\?' ||
  { echo "FAIL strong analyse:"; echo "$out"; failures=$((failures + 1)); }

expect_error engine-unknown      "--engine: 'fast' is not an engine"  --engine fast search 3
expect_error level-range         "--level: '11'"                      --level 11 think
expect_error level-with-engine   'goes without --engine'              --level 2 --engine strong think
expect_error hash-range          "--hash: '0'"                        --hash 0 search 3
expect_error bench-level         'bench takes --engine, not --level'  --level 4 bench
expect_error think-no-depth      'think needs a depth'                think
expect_error levels-arguments    'levels takes no arguments'          levels 3
finish
