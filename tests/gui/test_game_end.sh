#!/usr/bin/env bash
# The end of a game: once a side has all its pieces in one group no square is clickable and "Think!"
# plays nothing; Undo brings the board back to life. On board 4 with setup 3, B1xD3 then D2-B2 joins the
# three pieces of side 1. Usage: test_game_end.sh PROGRAM BUILD-DIR
source "$(dirname "$0")/lib.sh"
gui_init "$1" "$2"

if gui_start size=4 ok; then
    W=$GUI_MAIN_WINDOW
    gui_play "$W" B1xD3 D2-B2
    ended=$(gui_expected_board 4 3 "B1xD3 D2-B2")
    gui_expect_position "side 1 is connected: every square passive, the last move highlighted" "$W" 4 3 \
        "B1xD3 D2-B2" "restart undo"
    gui_click_square "$W" C1
    gui_click_control "$W" 4 think
    sleep 0.5
    gui_expect_board "a click on a piece and on Think! change nothing" "$W" 4 "$ended"
    gui_click_control "$W" 4 undo
    gui_expect_position "Undo makes the board clickable again" "$W" 4 3 "B1xD3" "restart undo redo end"
    gui_play "$W" A3-C3
    gui_expect_position "and the game goes on" "$W" 4 3 "B1xD3 A3-C3" "restart undo"
    gui_close_window "$W"
    gui_wait_exit
else
    gui_fail "no main window"
    gui_stop_app
fi

gui_finish
