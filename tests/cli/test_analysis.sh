#!/usr/bin/env bash
set -u
# moves, eval, stats, search, think and bench: the exact output forms other tools rely on.
source "$(dirname "$0")/lib.sh"

# The first move of a game only comes from the top-left quarter; the list leaves best first.
moves=$("$CLI" moves)
[ "$(printf '%s\n' "$moves" | head -1)" = "B1-B3 3589" ] || { echo "FAIL moves: first line"; failures=$((failures + 1)); }
if printf '%s\n' "$moves" | grep -Ev '^[A-D][1-3][-x][A-H][1-8] -?[0-9]+$' >/dev/null; then
  echo "FAIL moves: a line out of the first-move quarter or out of form"; failures=$((failures + 1))
fi
sorted=$(printf '%s\n' "$moves" | awk '{print $2}' | sort -rn)
[ "$sorted" = "$(printf '%s\n' "$moves" | awk '{print $2}')" ] || { echo "FAIL moves: not best first"; failures=$((failures + 1)); }
# After one move every piece of the side to move takes part: as many lines as legal moves.
[ "$("$CLI" --moves B1-B3 moves | wc -l)" -eq "$("$CLI" --moves B1-B3 perft 1)" ] ||
  { echo "FAIL moves: not every legal move after the first move"; failures=$((failures + 1)); }
expect_output moves-none "" --size 5 --setup 6 --moves "C1xE3 A3xC5 E3xC5" moves

expect_output eval-symmetric 0 eval
expect_output stats-standard \
  "side0 dist=6 groups=2 obstr=80 pieces=12 captures=4 moves=36 side1 dist=6 groups=2 obstr=80 pieces=12 captures=4 moves=36" stats

expect_output search-known "bestmove C1xC4 score 7695 evals 424649" --moves "F1-D3 H7-H1 C8-C6 A2-C4" search 7
expect_output search-no-move "bestmove none" --size 5 --setup 6 --moves "C1xE3 A3xC5 E3xC5" search 3
expect_output think-no-move "bestmove none" --size 5 --setup 6 --moves "C1xE3 A3xC5 E3xC5" think 5 1
# A skipped root move that loses must not wrap round into a win: the winning reply is kept.
think=$("$CLI" --size 5 --setup 6 --moves "C1xE3" think 7)
case "$think" in
  "bestmove A3xC5 "*) echo "FAIL think-penalty-wrap: plays the losing A3xC5"; failures=$((failures + 1)) ;;
  "bestmove "*" score 10"*) ;;
  *) echo "FAIL think-penalty-wrap: $think"; failures=$((failures + 1)) ;;
esac
# A time-out at once leaves the best root move by static score, after scoring the 9 first moves.
expect_output think-timeout-at-once "bestmove B1-B3 score 3589 evals 9" think 9 0

expect_error search-no-depth    'search needs a depth'           search
expect_error search-zero        "search: depth '0'"              search 0
expect_error think-negative     "think: depth '-2'"              think -2
expect_error think-bad-time     "think: time limit 'soon'"       think 3 soon
expect_error think-negative-time "think: time limit '-1'"        think 3 -1
expect_error moves-extra        'moves takes no arguments'       moves 3

finish
