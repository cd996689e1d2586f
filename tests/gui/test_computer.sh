#!/usr/bin/env bash
# The computer answering by itself: with --computer 1 it answers a person's move with the move of a search
# to the depth typed (time 0, so the same on every machine); going back and forth never starts a think, not
# even Go to end onto a position where its side is to move; "Think!" and a new move go on from there. With
# both "Computer plays" items switched on in the menu it plays a 4 x 4 game to its end.
# Usage: test_computer.sh PROGRAM BUILD-DIR
source "$(dirname "$0")/lib.sh"
gui_init "$1" "$2"
CLI=$GUI_BUILD/tarnwick-cli

# answer MOVES: the move of a depth-2 search after MOVES on board 8, setup 3.
answer() { "$CLI" --moves "$1" search 2 | awk '{ print $2 }'; }

# toggle WINDOW ITEM: switches a "Computer plays" item through the menu.
toggle() { gui_open_menu "$1" click 1 1 && gui_pick "$2"; }

# copied WINDOW: the game record that Ctrl+C copies.
copied() {
    "$GUI_BUILD/clipboard_text" clear
    gui_key "$1" ctrl+c
    gui_clipboard
}

gui_launch --size 8 --computer 1
if W=$(gui_wait_window "${GUI_MAIN_SEARCH[@]}"); then
    gui_set_limits "$W" 8 2 0
    gui_play "$W" B1-B3
    reply=$(answer B1-B3)
    gui_expect_position "--computer 1: B1-B3 is answered with $reply" "$W" 8 3 "B1-B3 $reply" "restart undo"
    gui_key "$W" ctrl+z
    gui_expect_position "Undo: side 1 to move, and no think" "$W" 8 3 "B1-B3" "restart undo redo end"

    # A line that ends with side 1 to move, played while its item is off, then reached with Go to end.
    toggle "$W" "Computer plays side 1"
    gui_key "$W" Home
    gui_play "$W" C1-C3
    gui_key "$W" ctrl+z
    toggle "$W" "Computer plays side 1"
    gui_key "$W" End
    gui_expect_position "Go to end onto side 1's turn" "$W" 8 3 "C1-C3" "restart undo"
    gui_expect_eq "and no think followed" "$("$CLI" --moves C1-C3 record)" "$(copied "$W")"
    gui_key "$W" ctrl+t
    reply=$(answer C1-C3)
    gui_expect_position "Think! plays $reply for side 1" "$W" 8 3 "C1-C3 $reply" "restart undo"
    move=$("$CLI" --moves "C1-C3 $reply" moves | awk 'NR == 1 { print $1 }')
    gui_play "$W" "$move"
    second=$(answer "C1-C3 $reply $move")
    gui_expect_position "a new move $move is answered with $second" "$W" 8 3 "C1-C3 $reply $move $second" "restart undo"
    gui_close_window "$W"
    gui_wait_exit
else
    gui_fail "no main window for --computer 1"
    gui_stop_app
fi

# Both items on: the game of a depth-3 search against itself, to its end.
line=$("$CLI" --size 4 selfplay --depth 3 --time 0 | head -n 1)
gui_launch --size 4
if W=$(gui_wait_window "${GUI_MAIN_SEARCH[@]}"); then
    gui_set_limits "$W" 4 3 0
    toggle "$W" "Computer plays side 1"
    toggle "$W" "Computer plays side 0"
    gui_expect_position "both sides: the computer plays '$line' to the end" "$W" 4 3 "$line" "restart undo"
    gui_expect_eq "the game's record" "$("$CLI" --size 4 --moves "$line" record)" "$(copied "$W")"
    gui_close_window "$W"
    gui_wait_exit
else
    gui_fail "no main window for board 4"
    gui_stop_app
fi

gui_finish
