#!/usr/bin/env bash
# No game lost: the game is kept after every change, so a program killed with SIGKILL after a move is
# resumed by --resume at the position it showed, every move in the history; "Resume last game" opens the
# game the last run left, or says in a message box that there is none; a state folder that cannot be
# written gives one line on standard error for the whole run and the game goes on.
# Usage: test_resume.sh PROGRAM BUILD-DIR
source "$(dirname "$0")/lib.sh"
gui_init "$1" "$2"
CLI=$GUI_BUILD/tarnwick-cli
LAST=$XDG_STATE_HOME/tarnwick/last-game.txt
line="B1-B3 H7-G6 C8-C6"

gui_launch --moves "B1-B3 H7-G6"
if W=$(gui_wait_window "${GUI_MAIN_SEARCH[@]}"); then
    gui_play "$W" C8-C6
    gui_key "$W" ctrl+z
    gui_expect_position "a move played and taken back" "$W" 8 3 "B1-B3 H7-G6" "restart undo redo end"
    gui_poll "$GUI_TIMEOUT" grep -q '^\[Ply "2"\]$' "$LAST"
    kill -KILL "$APP_PID"
    gui_wait_exit 2>/dev/null  # without the shell's word that its job was killed
    gui_expect_eq "killed with SIGKILL" 137 "$GUI_EXIT_STATUS"
else
    gui_fail "no main window"
    gui_stop_app
fi
gui_expect_eq "the last game holds the whole line" "$("$CLI" --moves "$line" record)" "$("$CLI" --record "$LAST" record)"

gui_launch --resume
if W=$(gui_wait_window "${GUI_MAIN_SEARCH[@]}"); then
    gui_expect_position "--resume: the position shown when it was killed" "$W" 8 3 "B1-B3 H7-G6" "restart undo redo end"
    gui_key "$W" End
    gui_expect_position "with every move in the history" "$W" 8 3 "$line" "restart undo"
    gui_close_window "$W"
    gui_wait_exit
else
    gui_fail "no main window for --resume"
    gui_stop_app
fi

# A run with the dialog: its new game is kept from the start, but the menu resumes the last run's game.
if gui_start ok; then
    gui_poll "$GUI_TIMEOUT" grep -q '^\[Ply "0"\]$' "$LAST"
    gui_open_menu "$GUI_MAIN_WINDOW" click 1 1 && gui_pick "Resume last game"
    gui_expect_position "the menu resumes the last run's game" "$GUI_MAIN_WINDOW" 8 3 "$line" "restart undo"
    gui_close_window "$GUI_MAIN_WINDOW"
    gui_wait_exit
else
    gui_fail "no main window after the dialog"
    gui_stop_app
fi

# Without a last game the menu item says so in a message box, and the game stays.
rm -f "$LAST"
gui_launch --size 6 --setup 4
if W=$(gui_wait_window "${GUI_MAIN_SEARCH[@]}"); then
    gui_open_menu "$W" click 1 1 && gui_pick "Resume last game"
    if box=$(gui_wait_message "Resume refused"); then
        gui_dismiss "$box"
        gui_expect_position "no last game: a message box, the game stays" "$W" 6 4 "" "none"
    else
        gui_fail "no message box without a last game"
    fi
    gui_close_window "$W"
    gui_wait_exit
fi

# A state folder that cannot be written: one line for the whole run, and the game goes on.
: >"$GUI_TMP/blocker"
XDG_STATE_HOME=$GUI_TMP/blocker gui_launch --size 6 --setup 4
if W=$(gui_wait_window "${GUI_MAIN_SEARCH[@]}"); then
    gui_play "$W" B1-B3 E1-C3
    gui_key "$W" ctrl+z
    gui_expect_position "an unwritable state folder: the game goes on" "$W" 6 4 "B1-B3" "restart undo redo end"
    gui_close_window "$W"
    gui_wait_exit
    gui_expect_eq "one line on standard error" \
        "tarnwick: cannot keep the game in '$GUI_TMP/blocker/tarnwick/last-game.txt': Not a directory; the game goes on without it" \
        "$(cat "$GUI_TMP/app.out")"
else
    gui_fail "no main window with an unwritable state folder"
    gui_stop_app
fi

gui_finish
