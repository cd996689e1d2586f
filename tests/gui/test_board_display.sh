#!/usr/bin/env bash
# The board after start-up, square by square against the rendered images: the pieces of side 0 are
# raised buttons, everything else sunken, nothing highlighted, no navigation button. The pointer lights
# a raised square only, and pressing sinks it. Usage: test_board_display.sh PROGRAM BUILD-DIR
source "$(dirname "$0")/lib.sh"
gui_init "$1" "$2"

# Board size | initial setup: one of each kind of ring, on the smallest, the default and the largest board.
for entry in "8|3" "4|0" "16|8" "7|4"; do
    IFS='|' read -r size setup <<<"$entry"
    if gui_start "size=$size" "setup=$setup" ok; then
        gui_expect_position "size $size setup $setup: start-up display" "$GUI_MAIN_WINDOW" "$size" "$setup" "" none
        gui_close_window "$GUI_MAIN_WINDOW"
        gui_wait_exit
    else
        gui_fail "size $size setup $setup: no main window"
        gui_stop_app
    fi
done

# squareCode BOARD ROW COL: the code of one square in a board listing.
squareCode() { echo "$1" | awk -v r="$2" -v c="$3" 'NR == r { print $c }'; }

if gui_start ok; then
    W=$GUI_MAIN_WINDOW
    start=$(gui_expected_board 8 3 "")
    gui_expect_board "default game: start-up display" "$W" 8 "$start"
    # shellcheck disable=SC2046
    xdotool mousemove --window "$W" $(gui_square_xy C1)
    gui_expect_board "the pointer lights the raised piece under it" "$W" 8 \
        "$(echo "$start" | awk 'NR == 1 { $3 = "1101" } { print }')"
    xdotool mousedown 1
    gui_expect_board "pressing it shows it sunken" "$W" 8 "$(echo "$start" | awk 'NR == 1 { $3 = "1000" } { print }')"
    xdotool mouseup 1 mousemove --window "$W" 1 1
    gui_click_square "$W" C1
    gui_expect_board "after selecting and cancelling, the start-up display is back" "$W" 8 "$start"
    # shellcheck disable=SC2046
    xdotool mousemove --window "$W" $(gui_square_xy D4)
    sleep 0.2
    gui_expect_board "an empty passive square does not light up" "$W" 8 "$start"
    # shellcheck disable=SC2046
    xdotool mousemove --window "$W" $(gui_square_xy A2)
    sleep 0.2
    gui_expect_board "a piece of the side not to move does not light up" "$W" 8 "$start"
    gui_close_window "$W"
    gui_wait_exit
else
    gui_fail "no main window"
    gui_stop_app
fi

gui_finish
