#!/usr/bin/env bash
# New game (Ctrl+N and the menu): the start-up dialog again, filled in with the current game's board size
# and setup, with the same checks; OK replaces the game and the window takes the new board's size;
# Escape or closing the dialog keeps the game on the board.
# Usage: test_new_game.sh PROGRAM BUILD-DIR
source "$(dirname "$0")/lib.sh"
gui_init "$1" "$2"

# newGameDialog HOW...: opens the dialog with Ctrl+N ("key") or the menu ("menu") and sets GUI_DIALOG.
newGameDialog() {
    if [ "$1" = menu ]; then
        gui_open_menu "$GUI_MAIN_WINDOW" click 200 100 && gui_pick "New game..." || return 1
    else
        gui_key "$GUI_MAIN_WINDOW" ctrl+n
    fi
    GUI_DIALOG=$(gui_wait_window "${GUI_DIALOG_SEARCH[@]}")
}

# fields: the texts of the dialog's two fields.
fields() {
    echo "$(gui_field_text "$GUI_DIALOG" "${GUI_SIZE_FIELD[@]}") $(gui_field_text "$GUI_DIALOG" "${GUI_SETUP_FIELD[@]}")"
}

if gui_start size=6 setup=4 ok; then
    gui_play "$GUI_MAIN_WINDOW" B1-B3
    gui_expect_position "a game on board 6, setup 4" "$GUI_MAIN_WINDOW" 6 4 "B1-B3" "restart undo"
    # Escape, and closing the dialog as a window manager would, keep the game; each time the dialog shows
    # the game's size and setup.
    for way in escape close; do
        if newGameDialog key; then
            gui_expect_eq "Ctrl+N: the dialog shows the game's size and setup" "6 4" "$(fields)"
            if [ "$way" = escape ]; then gui_key "$GUI_DIALOG" Escape; else gui_close_window "$GUI_DIALOG"; fi
            gui_wait_gone "$GUI_DIALOG"
            gui_expect_position "the dialog closed by $way keeps the game" "$GUI_MAIN_WINDOW" 6 4 "B1-B3" "restart undo"
        else
            gui_fail "Ctrl+N opens no dialog"
        fi
    done
    # Through the menu, a size out of range is not taken: the field shows 16 and a second OK takes it.
    if newGameDialog menu; then
        gui_dialog_step size=20
        gui_dialog_step setup=7
        gui_dialog_step ok
        gui_expect_eq "a size out of range is put into range, the dialog stays" "16 7" "$(fields)"
        gui_dialog_step ok
        gui_poll "$GUI_TIMEOUT" eval '[ "$(gui_window_size "$GUI_MAIN_WINDOW")" = 746x546 ]'
        gui_expect_eq "OK replaces the game: the window takes the size of board 16" "746x546 'Tarnwick 2.0'" \
            "$(gui_window_size "$GUI_MAIN_WINDOW") '$(gui_window_title "$GUI_MAIN_WINDOW")'"
        gui_expect_position "the new game's start, setup 7" "$GUI_MAIN_WINDOW" 16 7 "" "none"
    else
        gui_fail "the menu's New game opens no dialog"
    fi
    if newGameDialog key; then
        gui_dialog_step size=4
        gui_dialog_step ok
        xdotool mousemove --window "$GUI_MAIN_WINDOW" 1 1  # the pointer was on OK, now over the board
        gui_poll "$GUI_TIMEOUT" eval '[ "$(gui_window_size "$GUI_MAIN_WINDOW")" = 374x174 ]'
        gui_expect_position "and back to board 4: the window shrinks" "$GUI_MAIN_WINDOW" 4 7 "" "none"
    fi
    gui_close_window "$GUI_MAIN_WINDOW"
    gui_wait_exit
    gui_expect_eq "closing the window ends the program with status 0" 0 "$GUI_EXIT_STATUS"
else
    gui_fail "no main window"
    gui_stop_app
fi

gui_finish
