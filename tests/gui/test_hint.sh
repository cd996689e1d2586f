#!/usr/bin/env bash
# The hint (Ctrl+H and the menu): the move that `tarnwick-cli think D S` gives for the limits typed, when the
# search ends by its depth, shown as a selection with only its target raised. A key or a click on the
# piece clears it; a click on the target plays it; the hint itself plays nothing.
# Usage: test_hint.sh PROGRAM BUILD-DIR
source "$(dirname "$0")/lib.sh"
gui_init "$1" "$2"
CLI=$GUI_BUILD/tarnwick-cli
moves="B1-B3 H7-G6"
hint=$("$CLI" --moves "$moves" think 3 100 | awk '{ print $2 }')

gui_launch --moves "$moves"
if W=$(gui_wait_window "${GUI_MAIN_SEARCH[@]}"); then
    gui_set_limits "$W" 8 3 100
    gui_click_square "$W" D5  # an empty square: the keys go back to the game from the limit field
    gui_key "$W" ctrl+h
    gui_expect_board "Ctrl+H shows $hint as a hint" "$W" 8 "$(gui_expected_hint 8 3 "$moves" "$hint")"
    gui_key "$W" a
    gui_expect_position "a key clears it, nothing played" "$W" 8 3 "$moves" "restart undo"

    gui_open_menu "$W" click 1 1 && gui_pick Hint
    gui_expect_board "the menu's Hint shows it again" "$W" 8 "$(gui_expected_hint 8 3 "$moves" "$hint")"
    gui_click_square "$W" "${hint%[-x]*}"
    gui_expect_position "a click on the hinted piece cancels" "$W" 8 3 "$moves" "restart undo"

    gui_key "$W" ctrl+h
    gui_expect_board "Ctrl+H again" "$W" 8 "$(gui_expected_hint 8 3 "$moves" "$hint")"
    gui_click_square "$W" "${hint##*[-x]}"
    gui_expect_position "a click on the target plays $hint" "$W" 8 3 "$moves $hint" "restart undo"
    gui_close_window "$W"
    gui_wait_exit
else
    gui_fail "no main window"
    gui_stop_app
fi

gui_finish
