#!/usr/bin/env bash
# A game given on the command line: no dialog, the main window on the position after the moves with the
# last move highlighted, the moves in the history; bad arguments end the program with one line and
# status 2 before any window; --help; the toolkit's own switches still apply.
# Usage: test_start_position.sh PROGRAM BUILD-DIR
source "$(dirname "$0")/lib.sh"
gui_init "$1" "$2"
CLI=$GUI_BUILD/tarnwick-cli

# gui_start_with ARGS...: launches the program with ARGS and waits for its main window.
gui_start_with() {
    gui_launch "$@"
    GUI_MAIN_WINDOW=$(gui_wait_window "${GUI_MAIN_SEARCH[@]}")
}

# --moves on board 6, setup 4: the window at once, the last move highlighted; Restart walks back.
moves="B1-B3 E1-C3 C1-E3 B6xE3"
if gui_start_with --size 6 --setup 4 --moves "$moves"; then
    W=$GUI_MAIN_WINDOW
    gui_expect_eq "no dialog: a main window for board 6" 436x236 "$(gui_window_size "$W")"
    gui_expect_position "the position after the moves, B6xE3 highlighted" "$W" 6 4 "$moves" "restart undo"
    gui_click_control "$W" 6 undo
    gui_expect_position "Undo takes back the last move given" "$W" 6 4 "B1-B3 E1-C3 C1-E3" "restart undo redo end"
    gui_click_control "$W" 6 restart
    gui_expect_position "Restart goes back to the setup" "$W" 6 4 "" "redo end"
    gui_close_window "$W"
    gui_wait_exit
    gui_expect_eq "closing the window ends the program with status 0" 0 "$GUI_EXIT_STATUS"
else
    gui_fail "no main window for --size 6 --setup 4 --moves"
    gui_stop_app
fi

# --record with a finished game: its position, nothing left to click.
"$CLI" --size 4 --setup 3 --moves "B1xD3 D2-B2" record >"$GUI_TMP/won.txt"
if gui_start_with --record "$GUI_TMP/won.txt"; then
    gui_expect_position "--record: the won game's last position" "$GUI_MAIN_WINDOW" 4 3 "B1xD3 D2-B2" "restart undo"
    gui_close_window "$GUI_MAIN_WINDOW"
    gui_wait_exit
else
    gui_fail "no main window for --record"
    gui_stop_app
fi

# The toolkit's switches still reach the window: -title names it, -geometry places it.
gui_launch -title "Club game" --size 5 -geometry +40+30
if W=$(gui_wait_window --name '^Club game$'); then
    gui_expect_eq "-title and -geometry apply to the main window" "405x205 40,30" \
        "$(gui_window_size "$W") $(xdotool getwindowgeometry "$W" | sed -n 's/^ *Position: *\([0-9]*,[0-9]*\).*/\1/p')"
    gui_close_window "$W"
    gui_wait_exit
else
    gui_fail "no window titled 'Club game'"
    gui_stop_app
fi

# Bad arguments: one line on standard error, status 2, nothing on standard output, and no window; the
# display is not even opened.
: >"$GUI_TMP/empty.txt"
bad=(
    "--size 3|^tarnwick: option --size: '3' is not a whole number from 4 to 16\$"
    "--size 4-6|^tarnwick: option --size: '4-6' is not a whole number from 4 to 16\$"
    "--setup 9|^tarnwick: option --setup: '9'"
    "--moves B1-B4|^tarnwick: move 1 'B1-B4': not a legal move in this position\$"
    "--size 4 --moves A1-A2|^tarnwick: move 1 'A1-A2': no piece on A1\$"
    "--record $GUI_TMP/none.txt|^tarnwick: option --record: cannot read '$GUI_TMP/none.txt': No such file or directory\$"
    "--record $GUI_TMP/empty.txt|^tarnwick: $GUI_TMP/empty.txt:1: the record does not end with a result"
    "--record $GUI_TMP/won.txt --size 4|^tarnwick: option --record cannot be combined with --size"
    "--moves|^tarnwick: option --moves needs a value\$"
    "--fast|^tarnwick: unknown option --fast \\(see --help\\)\$"
    "game.txt|^tarnwick: argument 'game.txt' is no option of the program or the toolkit"
    "-geometry|^tarnwick: argument '-geometry' is no option of the program or the toolkit, or lacks its value"
)
for entry in "${bad[@]}"; do
    IFS='|' read -r args pattern <<<"$entry"
    status=0
    # shellcheck disable=SC2086
    env -u DISPLAY "$GUI_PROGRAM" $args >"$GUI_TMP/out" 2>"$GUI_TMP/err" || status=$?
    if [ "$status" -eq 2 ] && [ ! -s "$GUI_TMP/out" ] && [ "$(wc -l <"$GUI_TMP/err")" -eq 1 ] &&
        grep -Eq -- "$pattern" "$GUI_TMP/err"; then
        gui_pass "bad arguments '$args' are refused"
    else
        gui_fail "bad arguments '$args': status $status, stdout '$(cat "$GUI_TMP/out")', stderr '$(cat "$GUI_TMP/err")'"
    fi
done

status=0
env -u DISPLAY "$GUI_PROGRAM" --help >"$GUI_TMP/out" 2>"$GUI_TMP/err" || status=$?
gui_expect_eq "--help prints the usage and ends with status 0" \
    "0 usage: tarnwick [--size N] [--setup B] [--moves \"M1 M2 ...\"] [TOOLKIT SWITCHES]" \
    "$status $(head -n 1 "$GUI_TMP/out")$(cat "$GUI_TMP/err")"

gui_finish
