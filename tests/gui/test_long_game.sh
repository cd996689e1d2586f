#!/usr/bin/env bash
# A game line of 600 moves, longer than any fixed table of 500, navigated with Restart, Go to end, Undo
# and Redo clicked in the window, across the 500th move and back, and cut by a new move at move 500.
# long_game is the program with the game already played; it checks the position against its from-scratch
# twin and the history after every batch of events and ends with status 3 at the first fault. Each step
# must show the position that tarnwick-cli computes for the moves applied, and the navigation buttons
# that can act. Usage: test_long_game.sh PROGRAM BUILD-DIR
source "$(dirname "$0")/lib.sh"
gui_init "$1" "$2"
GUI_PROGRAM=$GUI_BUILD/long_game
N=16
SETUP=6

# expectPly WHAT PLIES CONTROLS: the board shows the first PLIES moves of the line, within GUI_TIMEOUT.
expectPly() {
    gui_expect_position "$1" "$W" "$N" "$SETUP" "${line[*]:0:$2}" "$3"
}

gui_launch 600 "$GUI_TMP/line"
if W=$(gui_wait_window "${GUI_MAIN_SEARCH[@]}"); then
    read -r -a line <"$GUI_TMP/line"
    gui_expect_eq "the game line is longer than 500 moves" 600 "${#line[@]}"
    expectPly "at the end of the line" 600 "restart undo"
    # Button and clicks in a row | moves applied after them | buttons shown then.
    steps=(
        "restart 1|0|redo end"
        "end 1|600|restart undo"
        "undo 100|500|restart undo redo end"
        "redo 1|501|restart undo redo end"
        "undo 2|499|restart undo redo end"
        "redo 3|502|restart undo redo end"
        "restart 1|0|redo end"
        "redo 2|2|restart undo redo end"
        "end 1|600|restart undo"
        "undo 100|500|restart undo redo end"
    )
    for entry in "${steps[@]}"; do
        IFS='|' read -r button plies shown <<<"$entry"
        gui_app_ended && break
        started=$(date +%s%N)
        # shellcheck disable=SC2086
        gui_click_control "$W" "$N" $button
        expectPly "$button: $plies moves applied" "$plies" "$shown"
        echo "    ($button shown after $(( ($(date +%s%N) - started) / 1000000 )) ms)"
    done

    # A new move after move 500 forgets the 100 moves after it; the new line replays whole.
    if ! gui_app_ended; then
        move=$("$GUI_BUILD/tarnwick-cli" --size "$N" --setup "$SETUP" --moves "${line[*]:0:500}" moves |
            awk 'NR == 1 { print $1 }')
        line=("${line[@]:0:500}" "$move")
        gui_play "$W" "$move"
        expectPly "a new move $move at move 501 ends the line there" 501 "restart undo"
        gui_click_control "$W" "$N" restart
        expectPly "restart of the new line" 0 "redo end"
        gui_click_control "$W" "$N" end
        expectPly "go to end of the new line" 501 "restart undo"
    fi

    gui_app_ended || gui_close_window "$W"
    gui_wait_exit
    gui_expect_eq "every check passed; closing ends the program with status 0" 0 "$GUI_EXIT_STATUS"
else
    gui_fail "no main window"
    gui_stop_app
fi

gui_finish
