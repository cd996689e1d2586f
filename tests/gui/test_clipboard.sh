#!/usr/bin/env bash
# Game records through the clipboard: Ctrl+C copies the record up to the position shown (clipboard and
# primary selection), which the tool reads back to the same position; Ctrl+V pastes a record or a bare list
# of moves and the board shows its last position with the history ready for Undo; anything else is refused
# with a message box and the board stays as it was.
# Usage: test_clipboard.sh PROGRAM BUILD-DIR
source "$(dirname "$0")/lib.sh"
gui_init "$1" "$2"
CLI=$GUI_BUILD/tarnwick-cli

# expect_refused WHAT TEXT: pasting TEXT brings up the message box and changes nothing on the board;
# the box closes with Return. The board is compared until it has been drawn again where the box was.
expect_refused() {
    local before message
    before=$(gui_board "$W" 6)
    gui_offer_clipboard "$2"
    gui_key "$W" ctrl+v
    if message=$(gui_wait_window --name '^Paste refused$'); then
        gui_pass "$1: a message box"
        gui_key "$message" Return
        gui_poll "$GUI_TIMEOUT" bash -c "! xdotool search --all --onlyvisible --pid $APP_PID --name '^Paste refused\$' >/dev/null"
        gui_expect_board "$1: the board is unchanged" "$W" 6 "$before"
    else
        gui_fail "$1: no message box"
    fi
}

moves="B1-B3 E1-C3 C1-E3 B6xE3"
gui_launch --size 6 --setup 4 --moves "$moves"
if W=$(gui_wait_window "${GUI_MAIN_SEARCH[@]}"); then
    # Copy after taking a move back: the record stops at the position shown.
    gui_key "$W" ctrl+z ctrl+c
    expected=$("$CLI" --size 6 --setup 4 --moves "B1-B3 E1-C3 C1-E3" record)
    gui_poll "$GUI_TIMEOUT" gui_clipboard >/dev/null
    gui_expect_eq "Ctrl+C copies the record up to the position shown" "$expected" "$(gui_clipboard)"
    gui_expect_eq "... also into the primary selection" "$expected" "$(gui_clipboard primary)"
    gui_clipboard >"$GUI_TMP/copied.txt"
    gui_expect_eq "the tool reads the copy back to the same position" \
        "$("$CLI" --size 6 --setup 4 --moves "B1-B3 E1-C3 C1-E3" show)" "$("$CLI" --record "$GUI_TMP/copied.txt" show)"

    # A record of the same board with another setup replaces the game; Undo walks its moves back.
    pasted="C1xC5 F3xB3 F4xB4"
    gui_offer_clipboard "$("$CLI" --size 6 --setup 7 --moves "$pasted" record)"
    gui_key "$W" ctrl+v
    gui_expect_position "Ctrl+V shows the pasted game's last position" "$W" 6 7 "$pasted" "restart undo"
    gui_key "$W" ctrl+z
    gui_expect_position "Undo takes the pasted game's last move back" "$W" 6 7 "C1xC5 F3xB3" "restart undo redo end"

    # A bare list of moves is played on the window's board and setup, now setup 7.
    gui_offer_clipboard "C1xC5 F3xB3"
    gui_key "$W" ctrl+v
    gui_expect_position "a bare list of moves is pasted on the window's setup" "$W" 6 7 "C1xC5 F3xB3" "restart undo"

    expect_refused "a record of board 8" "$("$CLI" --moves B1-B3 record)"
    expect_refused "a record with an illegal move" "$(printf '[Size "6"]\n\n1. B1-B4 *\n')"
    expect_refused "a text that is no game" "Shopping list: eggs, milk"
    gui_key "$W" Home
    gui_expect_position "the window goes on answering keys" "$W" 6 7 "" "redo end"
    gui_close_window "$W"
    gui_wait_exit
else
    gui_fail "no main window"
    gui_stop_app
fi

gui_finish
