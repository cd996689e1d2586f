#!/usr/bin/env bash
# The game window, as a person uses it: Ctrl+G opens it beside the main window on the opened record's
# moves; Home, Down and a click on a line of the list, and a click on the graph, show those positions; an
# analysis at depth 3 ends with the marks of `tarnwick-cli analyse 3`, and Save as writes them as the
# tool's --annotate does; "Analyse position" shows a line whose first move is legal and starts again when
# a move is played; Stop, a move played and switching the position's analysis off end every search; the
# window closes without ending the program, and zoom 2 doubles it.
# Usage: test_game_window.sh PROGRAM BUILD-DIR
GUI_SCREEN=1920x1200
source "$(dirname "$0")/lib.sh"
gui_init "$1" "$2"
CLI=$GUI_BUILD/tarnwick-cli
FILES=$GUI_TMP/files
mkdir -p "$FILES"
line="B1-B3 H7-G6 C8-C6 G6xC6 B8-D6 H6xD6 G1-G3 D6xG3"
moves=($line)
"$CLI" --moves "$line" record >"$FILES/eight.txt"
GAME_SEARCH=(--name '^Game - Tarnwick 2\.0$')

# The game window's places at zoom 1: the list's left column, the depth field, the buttons, the end of the
# progress bar, the check button, the line of the position, and the graph's plies.
LIST_X=10 DEPTH_XY=(186 325) ANALYSE_XY=(60 325) STOP_XY=(265 325) PROGRESS_END=(291 353)
POSITION_XY=(15 380) LINE_XY=(150 420)
graph_x() { echo $(( 11 + (278 * $1 + 4) / 8 )); }

shown_moves() { echo "${moves[*]:0:$1}"; }

# selected_rows: the first and last row of the list's selected line (drawn in the selection colour).
selected_rows() {
    gui_screenshot "$G" "$GUI_TMP/list.png" || return 1
    convert "$GUI_TMP/list.png" -crop "1x180+$LIST_X+5" +repage -depth 8 txt:- |
        awk -F'[,:]' '/#000080/ { y = $2 + 5; if (first == "") first = y; last = y } END { if (first != "") print first, last }'
}

# cpu_ticks: the program's processor time so far, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$APP_PID/stat"; }

# expect_idle WHAT: polls until the program uses (almost) no processor time for a whole second: no search
# runs any more. A search gives way at its next look at the events, which may take a while on a slow build.
idle_for_a_second() {
    local before
    before=$(cpu_ticks)
    sleep 1
    [ $(( $(cpu_ticks) - before )) -le 5 ]
}
expect_idle() {
    local deadline=$(( SECONDS + GUI_TIMEOUT ))
    while (( SECONDS < deadline )); do
        idle_for_a_second && { gui_pass "$1"; return 0; }
    done
    gui_fail "$1: it still uses the processor after $GUI_TIMEOUT s"
}

# expect_busy WHAT: polls until the program has used a tenth of a second: a search runs.
busy_since() { [ $(( $(cpu_ticks) - $1 )) -ge 10 ]; }
expect_busy() {
    local start
    start=$(cpu_ticks)
    if gui_poll "$GUI_TIMEOUT" busy_since "$start"; then gui_pass "$1"; else gui_fail "$1: no processor time used"; fi
}

# position_line: the text of the line of the position shown, copied out of its field.
position_line() { gui_field_text "$G" "${LINE_XY[@]}"; }
line_has_depth() { position_line | grep -q '^depth [0-9]*  score -\?[0-9]*  [A-P][0-9]*[-x][A-P][0-9]*'; }

# expect_legal_first_move WHAT MOVES: the line's first move is a legal move after MOVES.
expect_legal_first_move() {
    local text first
    gui_poll "$GUI_TIMEOUT" line_has_depth
    text=$(position_line)
    first=$(awk '{ print $5 }' <<<"$text")
    if [ -n "$first" ] && "$CLI" --moves "$2" moves | awk '{ print $1 }' | grep -qx -- "$first"; then
        gui_pass "$1"
    else
        gui_fail "$1: the line '$text' does not start with a legal move"
    fi
}

# save_into_record_file: Save as, the opened record's name typed in the chooser, which shows its folder,
# and Enter in the question whether to write over it (a window without a title).
save_into_record_file() {
    local question
    gui_key "$W" ctrl+s
    gui_choose_file "Save game as" eight.txt &&
        question=$(gui_wait_window --name '^$') && gui_dismiss "$question" &&
        gui_poll "$GUI_TIMEOUT" grep -q '{' "$FILES/eight.txt"
}

progress_complete() { gui_pixel_is "$G" "${PROGRESS_END[@]}" 120,160,220; }

gui_launch_in "$FILES" --record "$FILES/eight.txt"
if W=$(gui_wait_window "${GUI_MAIN_SEARCH[@]}") && gui_key "$W" ctrl+g && G=$(gui_wait_window "${GAME_SEARCH[@]}"); then
    main_x=$(xdotool getwindowgeometry "$W" | sed -n 's/^ *Position: *\([0-9]*\),.*/\1/p')
    game_x=$(xdotool getwindowgeometry "$G" | sed -n 's/^ *Position: *\([0-9]*\),.*/\1/p')
    gui_expect_eq "Ctrl+G opens the window to the right of the main one, at its size" "300x452 right" \
        "$(gui_window_size "$G") $([ "$game_x" -ge $(( main_x + 498 )) ] && echo right || echo "at $game_x")"

    # The list: the last move's line is selected; Home selects the first one, "start", and shows it; the
    # line below it is the next one's.
    rows=($(selected_rows))
    gui_key "$G" Home
    gui_expect_position "Home in the list shows the start" "$W" 8 3 "" "redo end"
    first=($(selected_rows))
    gui_key "$G" Down
    gui_expect_position "Down in the list shows the position after the first move" "$W" 8 3 "$(shown_moves 1)"
    second=($(selected_rows))
    height=$(( second[0] - first[0] ))
    # The ninth line, within half a line: the toolkit rounds the lines' places to whole pixels.
    off=$(( ${rows[0]:-0} - first[0] - 8 * height ))
    gui_expect_eq "the list shows start and the eight moves: the last one's line is the ninth" ninth \
        "$([ "${off#-}" -le $(( height / 2 )) ] && echo ninth || echo "at $off pixels from the ninth")"
    gui_key "$G" Down Down Down
    gui_expect_position "Down four times shows the position after four moves" "$W" 8 3 "$(shown_moves 4)"
    gui_poll "$GUI_TIMEOUT" grep -q '^\[Ply "4"\]' "$XDG_STATE_HOME/tarnwick/last-game.txt"
    gui_expect_eq "the kept game shows ply 4" '[Ply "4"]' "$(grep '^\[Ply' "$XDG_STATE_HOME/tarnwick/last-game.txt")"
    gui_click "$G" 100 $(( first[0] + 6 * height + height / 2 ))
    gui_expect_position "a click on the seventh line shows the position after six moves" "$W" 8 3 "$(shown_moves 6)"

    # The analysis of the game at depth 3: the tool's marks, and Save as writes the tool's annotated record.
    gui_replace_text "$G" "${DEPTH_XY[@]}" 3
    gui_click "$G" "${ANALYSE_XY[@]}"
    if gui_poll "$GUI_TIMEOUT" progress_complete; then
        save_into_record_file
        "$CLI" --moves "$line" analyse 3 --annotate "$FILES/tool.txt" >"$FILES/tool-lines.txt"
        gui_expect_eq "Save as after the analysis writes the tool's annotated record" "$(cat "$FILES/tool.txt")" \
            "$(cat "$FILES/eight.txt")"
        gui_expect_eq "the marks are those of tarnwick-cli analyse 3" \
            "$(head -8 "$FILES/tool-lines.txt" | awk '{ print $1, ($8 == "" ? "-" : $8) }')" \
            "$(grep -o '{[^}]*}' "$FILES/eight.txt" | awk '{ print NR, ($2 == "best" ? "-" : $2) }')"
    else
        gui_fail "the analysis of the game at depth 3 does not end"
    fi

    # The graph: a click near a ply shows the position after it.
    for ply in 2 5 0 8; do
        gui_click "$G" "$(graph_x "$ply")" 258
        gui_expect_position "a click on the graph at ply $ply" "$W" 8 3 "$(shown_moves "$ply")"
    done

    # Stop ends an analysis at depth 30, which would search its first move for ages; so does a move played.
    gui_key "$G" Home
    gui_replace_text "$G" "${DEPTH_XY[@]}" 30
    gui_click "$G" "${ANALYSE_XY[@]}"
    expect_busy "an analysis at depth 30 searches"
    gui_click "$G" "${STOP_XY[@]}"
    expect_idle "Stop ends it"
    gui_click "$G" "${ANALYSE_XY[@]}"
    expect_busy "started again, it searches"
    gui_play "$W" B1-B3
    gui_expect_position "a move can be played while it runs" "$W" 8 3 "B1-B3"
    expect_idle "the move ends it"

    # The line of the position shown: its first move is legal there, and after a move it is the new
    # position's; switching it off ends its search.
    gui_click "$G" "${POSITION_XY[@]}"
    expect_legal_first_move "Analyse position shows a line that starts with a legal move" "B1-B3"
    gui_play "$W" H7-G6
    gui_expect_position "a move is played while it thinks" "$W" 8 3 "B1-B3 H7-G6"
    expect_legal_first_move "after the move the line is the new position's" "B1-B3 H7-G6"
    gui_click "$G" "${POSITION_XY[@]}"
    expect_idle "switched off, it thinks no more"

    # Escape hides the window, Ctrl+G shows it again, closing it hides it; the program goes on.
    gui_key "$G" Escape
    gui_wait_gone "$G"
    gui_key "$W" ctrl+g
    G=$(gui_wait_window "${GAME_SEARCH[@]}")
    gui_close_window "$G"
    gui_wait_gone "$G"
    gui_expect_eq "closing the game window leaves the program running" running "$(gui_app_ended && echo ended || echo running)"
    gui_close_window "$W"
    gui_wait_exit
else
    gui_fail "no game window"
    gui_stop_app
fi

# Zoom 2 doubles the game window; Ctrl+0 brings it back to the size of zoom 1.
gui_launch --zoom 2 --moves "$line"
if W=$(gui_wait_window "${GUI_MAIN_SEARCH[@]}") && gui_key "$W" ctrl+g && G=$(gui_wait_window "${GAME_SEARCH[@]}"); then
    gui_expect_eq "at zoom 2 the game window is twice as large" 600x904 "$(gui_window_size "$G")"
    gui_key "$W" ctrl+0
    gui_poll "$GUI_TIMEOUT" eval '[ "$(gui_window_size "$G")" = 300x452 ]'
    gui_expect_eq "Ctrl+0 brings it to the size of zoom 1" 300x452 "$(gui_window_size "$G")"
    gui_close_window "$W"
    gui_wait_exit
else
    gui_fail "no game window at zoom 2"
    gui_stop_app
fi

gui_finish
