#!/usr/bin/env bash
# Start-up under Xvfb: the dialog, the main window it leads to, and the ways the program ends.
# Usage: test_startup.sh PROGRAM BUILD-DIR
source "$(dirname "$0")/lib.sh"
gui_init "$1" "$2"

if gui_open_dialog; then
    gui_expect_eq "the dialog comes up at 130x100" 130x100 "$(gui_window_size "$GUI_DIALOG")"
    gui_screenshot "$GUI_DIALOG" "$GUI_TMP/dialog.png"
    gui_close_window "$GUI_DIALOG"
    gui_wait_exit
    gui_expect_eq "closing the dialog window ends the program with status 0" 0 "$GUI_EXIT_STATUS"
else
    gui_fail "no dialog"
    gui_stop_app
fi

if gui_open_dialog; then
    gui_key "$GUI_DIALOG" Escape
    gui_wait_exit
    gui_expect_eq "Escape in the dialog ends the program with status 0" 0 "$GUI_EXIT_STATUS"
else
    gui_fail "no dialog"
    gui_stop_app
fi

# What the case shows | main window (board size N gives 31N + 250 x 31N + 50) | steps in the dialog.
# Each case closes the main window, which must end the program with status 0.
cases=(
    "OK without touching the inputs starts board size 8|498x298|ok"
    "board size 4|374x174|size=4 ok"
    "board size 16|746x546|size=16 ok"
    "a press on OK released outside the button submits|498x298|drag-ok"
    "Enter submits neither at start nor after typing|436x236|enter size=5 enter size=6 ok"
)
for entry in "${cases[@]}"; do
    IFS='|' read -r what size steps <<<"$entry"
    gui_expect_main_window "$what" "$size" $steps
done

gui_finish
