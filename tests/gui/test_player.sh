#!/usr/bin/env bash
# The computer player of the window: "Strong player" in the menu's "Computer player" submenu makes
# "Think!" play the strong player's move, the one `tarnwick-cli --engine strong search D` gives (a time
# limit of 0 is a fixed-depth search), and "Classic player" the classic one's; a level
# puts its limits into the two limit fields and plays as `tarnwick-cli --level N think` does; --engine and
# --level choose the same at start-up.
# Usage: test_player.sh PROGRAM BUILD-DIR
source "$(dirname "$0")/lib.sh"
gui_init "$1" "$2"
CLI=$GUI_BUILD/tarnwick-cli
moves="B1-B3 H7-G6"

# think WINDOW MOVES EXPECTED WHAT: Ctrl+T, then the position after MOVES EXPECTED.
think() {
    gui_key "$1" ctrl+t
    gui_expect_position "$4" "$1" 8 3 "$2 $3" "restart undo"
}

strong=$("$CLI" --engine strong --moves "$moves" search 4 | awk '{ print $2 }')
classic=$("$CLI" --moves "$moves" search 4 | awk '{ print $2 }')
# The two players must disagree here, or the window's choice would not show.
[ "$strong" != "$classic" ] || gui_fail "the players agree on $strong after $moves: the test needs a position where they differ"
levelMove=$("$CLI" --level 2 --moves "$moves" think | awk '{ print $2 }')
levelLimits=$("$CLI" levels | awk '$1 == 2 { print $2, $3 }')

gui_launch --moves "$moves"
if W=$(gui_wait_window "${GUI_MAIN_SEARCH[@]}"); then
    gui_set_limits "$W" 8 4 0
    gui_open_menu "$W" click 1 1 && gui_pick_player "Strong player"
    think "$W" "$moves" "$strong" "Strong player: Think! plays the strong player's $strong"
    gui_key "$W" ctrl+z
    gui_open_menu "$W" click 1 1 && gui_pick_player "Classic player"
    think "$W" "$moves" "$classic" "Classic player: Think! plays the classic player's $classic"
    gui_key "$W" ctrl+z

    gui_open_menu "$W" click 1 1 && gui_pick_player "Level 2"
    gui_expect_eq "Level 2 puts its limits into the fields" "$levelLimits" "$(gui_limits "$W" 8)"
    gui_click_square "$W" D5  # the keys go back to the game from the limit field
    think "$W" "$moves" "$levelMove" "Level 2: Think! plays $levelMove"
    gui_close_window "$W"
    gui_wait_exit
else
    gui_fail "no main window"
    gui_stop_app
fi

gui_launch --engine strong --moves "$moves"
if W=$(gui_wait_window "${GUI_MAIN_SEARCH[@]}"); then
    gui_set_limits "$W" 8 4 0
    think "$W" "$moves" "$strong" "--engine strong: Think! plays $strong"
    gui_close_window "$W"
    gui_wait_exit
else
    gui_fail "no main window with --engine strong"
    gui_stop_app
fi

gui_launch --level 2 --moves "$moves"
if W=$(gui_wait_window "${GUI_MAIN_SEARCH[@]}"); then
    gui_expect_eq "--level 2 puts its limits into the fields" "$levelLimits" "$(gui_limits "$W" 8)"
    gui_click_square "$W" D5
    think "$W" "$moves" "$levelMove" "--level 2: Think! plays $levelMove"
    gui_close_window "$W"
    gui_wait_exit
else
    gui_fail "no main window with --level 2"
    gui_stop_app
fi

gui_finish
