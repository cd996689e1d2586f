#!/usr/bin/env bash
# The menu, as a person uses it: the right button anywhere in the window (on a piece of the side to move
# too, which it neither selects nor moves), the Menu key and Shift+F10 pop it up; items that cannot act
# are drawn inactive; About shows its box; while the computer thinks only the two "Computer plays" items
# and Quit act, and Quit ends the program then.
# Usage: test_menu.sh PROGRAM BUILD-DIR
source "$(dirname "$0")/lib.sh"
gui_init "$1" "$2"
N=6
moves="B1-B3"
B=$(( 31 * N ))

gui_launch --size "$N" --setup 4 --moves "$moves"
if W=$(gui_wait_window "${GUI_MAIN_SEARCH[@]}"); then
    # The right button on a piece that a left click would select (E1, side 1's), on an empty square, on the
    # panel: each pops the menu up; Escape closes it and the board is as before.
    for place in "E1" "C4" "panel"; do
        if [ "$place" = panel ]; then xy=($(( B + 100 )) 100); else xy=($(gui_square_xy "$place")); fi
        if gui_open_menu "$W" click "${xy[@]}"; then
            [ "$place" = E1 ] && gui_screenshot "$GUI_MENU" "$GUI_TMP/menu-open.png"
            gui_close_menu "$W"
            gui_expect_position "the right button on $place pops the menu up and changes nothing" "$W" "$N" 4 "$moves" \
                "restart undo"
        else
            gui_fail "no menu for the right button on $place"
        fi
    done
    # Zoom out and Actual size cannot act at zoom 1 (items 15 and 16).
    for key in Menu shift+F10; do
        if gui_open_menu "$W" "$key"; then
            gui_expect_menu_items "$key pops the menu up; all but Zoom out and Actual size act" \
                "1 2 3 4 5 6 7 8 9 10 11 12 13 14 17 18"
            gui_close_menu "$W"
        else
            gui_fail "no menu for $key"
        fi
    done
    if gui_open_menu "$W" click 1 1 && gui_pick About && about=$(gui_wait_message "About Tarnwick"); then
        gui_pass "About shows its box"
        gui_dismiss "$about"
    else
        gui_fail "About shows no box"
    fi

    # A think of at most 1000 seconds: during it only the "Computer plays" items (11, 12) and Quit (18) act,
    # and Quit ends the program at once.
    gui_set_limits "$W" "$N" 30 1000
    gui_key "$W" ctrl+t
    gui_poll "$GUI_TIMEOUT" eval 'gui_shot_ppm "$W" && [ "$(convert "$GUI_TMP/shot.ppm" -crop "64x14+$(( B + 83 ))+138" +repage -format %k info:)" -gt 1 ]'
    if gui_open_menu "$W" Menu; then
        gui_expect_menu_items "while the computer thinks only the Computer plays items and Quit act" "11 12 18"
        gui_pick Quit
        gui_wait_exit
        gui_expect_eq "Quit ends the program during a think with status 0" 0 "$GUI_EXIT_STATUS"
    else
        gui_fail "no menu during a think"
        gui_stop_app
    fi
else
    gui_fail "no main window"
    gui_stop_app
fi

gui_finish
