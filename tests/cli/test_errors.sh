#!/usr/bin/env bash
set -u
# Bad input: one clear line on standard error, exit status 2, nothing on standard output.
source "$(dirname "$0")/lib.sh"

expect_error size-too-small     '--size.*4 to 16'           --size 3 show
expect_error size-too-big       '--size.*4 to 16'           --size 17 show
expect_error size-not-a-number  "--size: 'eight'"           --size eight show
expect_error setup-out-of-range '--setup.*0 to 8'           --setup 9 show
expect_error option-no-value    '--size needs a value'      show --size
expect_error unknown-option     'unknown option --fast'     --fast show
expect_error unknown-command    "unknown command 'play'"    play
expect_error no-command         'no command'
expect_error malformed-move     "move 2 'C8C6': not a move" --moves "F1-D3 C8C6" show
expect_error off-board-square   "move 1 'J1-J3'.*off the board" --moves "J1-J3" show
expect_error empty-square       "move 1 'D4-D6': no piece on D4" --moves "D4-D6" show
expect_error wrong-side         "move 1 'A2-C2'.*not of the side to move" --moves "A2-C2" show
expect_error wrong-distance     "move 1 'B1-B4': not a legal move" --moves "B1-B4" show
expect_error capture-with-dash  "move 2 'A3-C5': the move captures" --size 5 --setup 6 --moves "C1xE3 A3-C5" show
expect_error plain-with-x       "move 1 'B1xB3': the move captures nothing" --moves "B1xB3" show
expect_error move-after-win     "move 3 'C1-C3': the game is over: side 1" --size 4 --setup 3 --moves "B1xD3 D2-B2 C1-C3" show
expect_error perft-no-depth     'perft needs one depth'     perft
expect_error perft-negative     "perft: depth '-1'"         perft -1
expect_error perft-not-number   "perft: depth '2x'"         perft 2x
expect_error show-extra         'show takes no arguments'   show 3

finish
