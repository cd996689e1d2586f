#!/usr/bin/env bash
set -u
# selfplay: the moves of each game, its result line, and the summary of a series.
source "$(dirname "$0")/lib.sh"

# A game from a given position: side 1 is left without a legal move after side 0's capture.
expect_output selfplay-no-move "$(printf 'E3xC5\nresult: side 1 has no legal move after 1 moves')" \
  --size 5 --setup 6 --moves "C1xE3 A3xC5" selfplay --depth 3

out=$("$CLI" selfplay --size 4 --setup 3,4 --games 3 --depth0 1 --depth1 5 --max-moves 3)
expected='game 1: size 4 setup 3
B1-B3 A2-C2 B4-B2
result: side 0 connected all its pieces after 3 moves
game 2: size 4 setup 4
B1-B3
result: side 0 connected all its pieces after 1 moves
game 3: size 4 setup 3
B1-B3 A2-C2 B4-B2
result: side 0 connected all its pieces after 3 moves
3 games: 3 wins for side 0, 0 wins for side 1, 0 unfinished (longest game 3 moves)'
[ "$out" = "$expected" ] || { echo "FAIL selfplay series:"; echo "$out"; failures=$((failures + 1)); }

# The move cap ends a game and counts it as unfinished.
out=$("$CLI" selfplay --max-moves 4 --depth 1 --check)
[ "$(printf '%s\n' "$out" | tail -1)" = "result: move cap of 4 reached" ] &&
  [ "$(printf '%s\n' "$out" | head -1 | wc -w)" -eq 4 ] || { echo "FAIL selfplay cap: $out"; failures=$((failures + 1)); }

# Every move printed is legal when replayed through the position options.
moves=$("$CLI" selfplay --size 7 --setup 8 --depth 3 --time 0 | head -1)
"$CLI" --size 7 --setup 8 --moves "$moves" show >/dev/null || { echo "FAIL selfplay moves do not replay"; failures=$((failures + 1)); }

expect_error selfplay-moves-with-series '--moves is for one game' selfplay --games 2 --moves B1-B3
expect_error selfplay-depth-zero        '--depth0.*1 to 30'       selfplay --depth0 0
expect_error selfplay-bad-time          "--time1: 'x'"            selfplay --time1 x
expect_error list-outside-selfplay      'only selfplay takes lists' --size 4-6 show
expect_error bad-size-list              "--size: '4-20'"          --size 4-20 selfplay
finish
