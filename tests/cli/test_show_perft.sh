#!/usr/bin/env bash
set -u
# show and perft on fixed positions.
source "$(dirname "$0")/lib.sh"

expect_output show-standard "$(cat <<'TXT'
    A B C D E F G H
 1  . 0 0 0 0 0 0 .
 2  1 . . . . . . 1
 3  1 . . . . . . 1
 4  1 . . . . . . 1
 5  1 . . . . . . 1
 6  1 . . . . . . 1
 7  1 . . . . . . 1
 8  . 0 0 0 0 0 0 .
side to move: 0
side 0: 12 pieces, 2 groups
side 1: 12 pieces, 2 groups
TXT
)" show

# C1 captures on E3 (two pieces on that diagonal); lower case and a trailing comma are accepted.
expect_output show-after-capture "$(cat <<'TXT'
    A B C D E
 1  . 0 . 0 .
 2  1 . 0 . 1
 3  1 1 . 1 0
 4  1 . 0 . 1
 5  . 0 0 0 .
side to move: 1
side 0: 8 pieces, 3 groups
side 1: 7 pieces, 2 groups
TXT
)" --size 5 --setup 6 --moves "c1xe3," show

expect_output show-won "$(cat <<'TXT'
    A B C D
 1  . . 0 .
 2  1 1 . .
 3  1 . . 0
 4  . 0 0 .
side to move: 0
side 0: 4 pieces, 2 groups
side 1: 3 pieces, 1 groups
side 1 has won: all its pieces are connected
TXT
)" --size 4 --setup 3 --moves "B1xD3 D2-B2" show

expect_output perft-0 1 perft 0
expect_output perft-1 36 perft 1
expect_output perft-3 44952 perft 3

help=$("$CLI" --help) || { echo "FAIL --help exits non-zero"; failures=$((failures + 1)); }
[ "$(printf '%s\n' "$help" | head -1)" = 'usage: tarnwick-cli [--size N] [--setup B] [--moves "M1 M2 ..."] COMMAND [ARGS]' ] ||
  { echo "FAIL --help: first line is not the usage"; failures=$((failures + 1)); }
finish
