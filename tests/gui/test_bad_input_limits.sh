#!/usr/bin/env bash
# Anything typed into the two limits of the main window ("max depth ", "max time "): "Think!" reads them
# truncated and brought into their ranges (depth 1 to 30, time 0 to 1440000 seconds), searches with the
# values it read and shows exactly those values in the fields afterwards, also where the typed text stood
# for them without showing them ("", "-", "05"). Return, Space and letters change nothing; Escape ends
# the program with status 0. Usage: test_bad_input_limits.sh PROGRAM BUILD-DIR
source "$(dirname "$0")/lib.sh"
gui_init "$1" "$2"
CLI=("$GUI_BUILD/tarnwick-cli")

# computerMove MOVES DEPTH SECONDS: the move that tarnwick-cli's search plays after MOVES, fixed-depth for
# 0 seconds, else timed (ending by its depth long before the time-out).
computerMove() {
    if [ "$3" = 0 ]; then
        "${CLI[@]}" --moves "$1" search "$2" | awk '{ print $2 }'
    else
        "${CLI[@]}" --moves "$1" think "$2" "$3" | awk '/^bestmove/ { print $2 }'
    fi
}

if gui_start ok; then
    W=$GUI_MAIN_WINDOW
    played="B1-B3"
    gui_play "$W" B1-B3
    # Typed depth | typed time | the fields after "Think!", which are the limits searched with, or "any"
    # for a think that ends by its time and may play any legal move. Letters are dropped as they are
    # typed, "" and "-" are 0, "0.5" types as "05", "7.9" as "79" and "1e300" as "1300".
    cases=(
        "0.5|7.9|5 79"
        "abc|abc|5 79"
        "-|-|1 0"
        "|-99999999999|1 0"
        "3|1e300|3 1300"
        "-5|99999999999|1 1440000"
        "99999999999|1|30 1|any"
    )
    for entry in "${cases[@]}"; do
        IFS='|' read -r depth seconds limits any <<<"$entry"
        what="depth '$depth', time '$seconds'"
        gui_set_limits "$W" 8 "$depth" "$seconds"
        gui_click_control "$W" 8 think
        if [ -z "$any" ]; then
            # shellcheck disable=SC2086
            move=$(computerMove "$played" $limits)
            gui_expect_position "$what: the search with limits $limits plays $move" "$W" 8 3 "$played $move"
        else
            # A think of one second: wait until its move shows.
            move=$(gui_wait_played_move "$W" 8 3 "$played")
            gui_expect_eq "$what: one legal move is played" yes "$([ -n "$move" ] && echo yes || echo no)"
        fi
        played="$played $move"
        gui_expect_eq "$what: the fields show the limits used" "$limits" "$(gui_limits "$W" 8)"
    done

    # Keys: Return in a field, Space on the focused "Think!" button (a click leaves the focus there) and
    # letters typed with the pointer over the board play nothing and navigate nowhere.
    gui_set_limits "$W" 8 1 0
    gui_key "$W" Return
    gui_click_control "$W" 8 think
    move=$(computerMove "$played" 1 0)
    played="$played $move"
    gui_expect_position "a Return in a field does nothing, the next click plays $move" "$W" 8 3 "$played" "restart undo"
    xdotool key space Return
    # shellcheck disable=SC2046
    xdotool mousemove --window "$W" $(gui_square_xy C1) type "x q 1"
    xdotool mousemove --window "$W" 1 1
    gui_expect_position "Space, Return and letters after it change nothing" "$W" 8 3 "$played" "restart undo"

    # Escape with the focus in a field that holds a bad entry and the pointer over a piece.
    gui_replace_text "$W" $(( 248 + 171 )) 15 "-"
    # shellcheck disable=SC2046
    xdotool mousemove --window "$W" $(gui_square_xy A2) key Escape
    gui_wait_exit
    gui_expect_eq "Escape in the main window ends the program with status 0" 0 "$GUI_EXIT_STATUS"
else
    gui_fail "no main window"
    gui_stop_app
fi

gui_finish
