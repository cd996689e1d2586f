#!/usr/bin/env bash
# Open and Save as through the toolkit's file chooser, driven by typing a name and Enter: Save as writes the
# whole history with its result, also with moves taken back; Open shows a record's last position on its own
# board size; a bad file or a place that cannot be written gives a message box and changes nothing; the
# title names the file after an Open, a Save or --record, and a new game takes the name away.
# Usage: test_files.sh PROGRAM BUILD-DIR
source "$(dirname "$0")/lib.sh"
gui_init "$1" "$2"
CLI=$GUI_BUILD/tarnwick-cli
FILES=$GUI_TMP/files
mkdir -p "$FILES"
line="B1-B3 E1-C3 C1-E3"
"$CLI" --moves "B1-B3 H7-G6" record >"$FILES/eight.txt"
printf '[Size "6"]\n\n1. B1-B4 *\n' >"$FILES/illegal.txt"

title() { gui_window_title "$W"; }
titleIs() { [ "$(title)" = "$1" ]; }

gui_launch_in "$FILES" --size 6 --setup 4 --moves "$line"
if W=$(gui_wait_window "${GUI_MAIN_SEARCH[@]}"); then
    # Save as with the last move taken back: the file has all three moves; the board stays where it was.
    gui_key "$W" ctrl+z
    gui_expect_position "one move taken back" "$W" 6 4 "B1-B3 E1-C3" "restart undo redo end"
    gui_key "$W" ctrl+s
    if gui_choose_file "Save game as" saved.txt && gui_poll "$GUI_TIMEOUT" titleIs "saved.txt - Tarnwick 2.0"; then
        gui_expect_eq "Save as writes the whole history with its result" "$("$CLI" --size 6 --setup 4 --moves "$line" record)" \
            "$(cat "$FILES/saved.txt")"
        gui_expect_position "the position shown stays" "$W" 6 4 "B1-B3 E1-C3" "restart undo redo end"
    else
        gui_fail "Save as: no file, or the title is '$(title)'"
    fi

    # A place that cannot be written (no such folder): a message box, nothing written, the title stays.
    gui_open_menu "$W" click 200 100 && gui_pick "Save as..."
    if gui_choose_file "Save game as" "missing/game.txt" && box=$(gui_wait_message "Save refused"); then
        gui_dismiss "$box"
        gui_expect_eq "a place that cannot be written: a message box, nothing written, the title stays" \
            "saved.txt - Tarnwick 2.0, no folder" "$(title), $([ -e "$FILES/missing" ] && echo folder || echo "no folder")"
    else
        gui_fail "saving into a missing folder gives no message box"
    fi

    # A record of board 8 opens on its board: the window grows, the moves are in the history.
    gui_key "$W" ctrl+o
    if gui_choose_file "Open game" eight.txt && gui_poll "$GUI_TIMEOUT" titleIs "eight.txt - Tarnwick 2.0"; then
        gui_expect_eq "Open: the window takes board 8's size" 498x298 "$(gui_window_size "$W")"
        gui_expect_position "Open shows the record's last position" "$W" 8 3 "B1-B3 H7-G6" "restart undo"
        gui_key "$W" Home
        gui_expect_position "with its moves in the history" "$W" 8 3 "" "redo end"
        gui_key "$W" End
    else
        gui_fail "Open of a record of board 8: title '$(title)'"
    fi

    # A record with an illegal move: a message box, and the game, its size and title stay.
    gui_key "$W" ctrl+o
    if gui_choose_file "Open game" illegal.txt && box=$(gui_wait_message "Open refused"); then
        gui_dismiss "$box"
        gui_expect_eq "a bad record is not opened: size and title stay" "498x298 eight.txt - Tarnwick 2.0" \
            "$(gui_window_size "$W") $(title)"
        gui_expect_position "nor does the game change" "$W" 8 3 "B1-B3 H7-G6" "restart undo"
    else
        gui_fail "a bad record gives no message box"
    fi

    # A new game takes the file's name out of the title.
    gui_key "$W" ctrl+n
    if dialog=$(gui_wait_window "${GUI_DIALOG_SEARCH[@]}"); then
        gui_click "$dialog" "${GUI_OK_BUTTON[@]}"
        gui_poll "$GUI_TIMEOUT" titleIs "Tarnwick 2.0"
        gui_expect_eq "a new game: the plain title" "Tarnwick 2.0" "$(title)"
    else
        gui_fail "no New game dialog"
    fi
    gui_close_window "$W"
    gui_wait_exit
else
    gui_fail "no main window"
    gui_stop_app
fi

# --record names its file in the title from the start.
gui_launch --record "$FILES/saved.txt"
if W=$(gui_wait_window "${GUI_MAIN_SEARCH[@]}"); then
    gui_expect_eq "--record FILE: the title names the file" "saved.txt - Tarnwick 2.0" "$(title)"
    gui_expect_position "--record FILE: the record's last position" "$W" 6 4 "$line" "restart undo"
    # Save as starts in the record's folder, not the one the program was started from, and a new name
    # typed at a person's pace lands there as typed.
    gui_key "$W" ctrl+s
    if chooser=$(gui_wait_window --name '^Save game as$'); then
        xdotool mousemove --window "$chooser" 5 5 type --delay 150 -- copy.txt
        xdotool key Return
        gui_wait_gone "$chooser"
        gui_poll "$GUI_TIMEOUT" titleIs "copy.txt - Tarnwick 2.0"
        gui_expect_eq "a new name typed slowly is saved in the record's folder" "copy.txt - Tarnwick 2.0, same" \
            "$(title), $(cmp -s "$FILES/saved.txt" "$FILES/copy.txt" && echo same || echo "not in $FILES")"
    else
        gui_fail "no Save as chooser after --record"
    fi
    gui_close_window "$W"
    gui_wait_exit
else
    gui_fail "no main window for --record"
    gui_stop_app
fi

gui_finish
