#!/usr/bin/env bash
# Values typed into the start-up dialog outside its ranges (board size 4 to 16, setup 0 to 8) are never
# taken: OK puts the nearest value in range into the field and the dialog stays open, so the steps after
# it still act on the dialog. Usage: test_startup_ranges.sh PROGRAM BUILD-DIR
source "$(dirname "$0")/lib.sh"
gui_init "$1" "$2"

# What the case shows | main window (board size N gives 31N + 250 x 31N + 50) | steps in the dialog.
cases=(
    "board size 20 is refused and the dialog stays open|405x205|size=20 ok size=5 ok"
    "board size 20 is corrected to 16 in the field|746x546|size=20 ok ok"
    "board size 0 is refused and corrected to 4|374x174|size=0 ok ok"
    "an empty board size field is refused and corrected to 4|374x174|size= ok ok"
    "board size 3 is refused and the dialog stays open|436x236|size=3 ok size=6 ok"
    "setup 9 is refused and the dialog stays open|405x205|setup=9 ok size=5 ok"
    "setup -1 is refused and the dialog stays open|467x267|setup=-1 ok size=7 ok"
)
for entry in "${cases[@]}"; do
    IFS='|' read -r what size steps <<<"$entry"
    gui_expect_main_window "$what" "$size" $steps
done

gui_finish
