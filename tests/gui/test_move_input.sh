#!/usr/bin/env bash
# Moves entered with the mouse: a click on a piece offers exactly the targets of its legal moves (as the
# command-line tool lists them), a second click on it cancels, a click on a target plays the move, also
# a capture. Usage: test_move_input.sh PROGRAM BUILD-DIR
source "$(dirname "$0")/lib.sh"
gui_init "$1" "$2"

if gui_start ok; then
    W=$GUI_MAIN_WINDOW
    gui_click_square "$W" B1
    gui_expect_board "selecting B1 offers its targets B3, D3 and H1" "$W" 8 "$(gui_expected_board 8 3 "" B1)"
    gui_click_square "$W" B1
    gui_expect_position "clicking B1 again cancels" "$W" 8 3 "" none
    gui_click_square "$W" B1
    gui_click_square "$W" B3
    gui_expect_position "B1 then B3 plays B1-B3: side 1 to move, both squares highlighted" "$W" 8 3 "B1-B3" \
        "restart undo"
    gui_click_square "$W" A3
    gui_expect_board "the selection display of a side-1 piece hides the last move's highlight" "$W" 8 \
        "$(gui_expected_board 8 3 "B1-B3" A3)"
    gui_click_square "$W" C1
    gui_expect_position "A3 then C1 captures the piece on C1" "$W" 8 3 "B1-B3 A3xC1" "restart undo"
    gui_play "$W" C8-C6
    gui_click_square "$W" C1
    gui_click_square "$W" C1
    gui_expect_position "a cancelled selection brings back the last move's highlight" "$W" 8 3 "B1-B3 A3xC1 C8-C6"
    gui_close_window "$W"
    gui_wait_exit
    gui_expect_eq "closing the window after moves ends the program with status 0" 0 "$GUI_EXIT_STATUS"
else
    gui_fail "no main window"
    gui_stop_app
fi

gui_finish
