#!/usr/bin/env bash
# The four navigation buttons: Undo and Redo step through the game line, Restart goes back to the start
# and Go to end replays everything; each button is shown only where it can act, and a new move after
# taking moves back forgets the moves that could have been replayed.
# Usage: test_navigation.sh PROGRAM BUILD-DIR
source "$(dirname "$0")/lib.sh"
gui_init "$1" "$2"

if gui_start ok; then
    W=$GUI_MAIN_WINDOW
    gui_play "$W" B1-B3 A3xC1 C8-C6
    gui_expect_position "three moves played" "$W" 8 3 "B1-B3 A3xC1 C8-C6" "restart undo"
    # Button | position after it (the moves still applied) | buttons shown then.
    steps=(
        "undo|B1-B3 A3xC1|restart undo redo end"
        "undo|B1-B3|restart undo redo end"
        "redo|B1-B3 A3xC1|restart undo redo end"
        "restart||redo end"
        "end|B1-B3 A3xC1 C8-C6|restart undo"
        "undo|B1-B3 A3xC1|restart undo redo end"
        "undo|B1-B3|restart undo redo end"
    )
    for entry in "${steps[@]}"; do
        IFS='|' read -r button moves shown <<<"$entry"
        gui_click_control "$W" 8 "$button"
        gui_expect_position "$button leads to '$moves'" "$W" 8 3 "$moves" "$shown"
    done
    gui_play "$W" A6xC8
    gui_expect_position "a new move after undoing forgets the rest of the line" "$W" 8 3 "B1-B3 A6xC8" "restart undo"
    gui_click_control "$W" 8 restart
    gui_click_control "$W" 8 end
    gui_expect_position "Restart then Go to end replays the new line" "$W" 8 3 "B1-B3 A6xC8" "restart undo"
    gui_click_control "$W" 8 undo
    gui_click_control "$W" 8 undo
    gui_expect_position "undoing the first move clears the highlight" "$W" 8 3 "" "redo end"
    gui_close_window "$W"
    gui_wait_exit
else
    gui_fail "no main window"
    gui_stop_app
fi

gui_finish
