#!/usr/bin/env bash
# "Think!": with time 0 the computer searches to the typed depth and plays the move that tarnwick-cli's
# search finds; limits typed outside their ranges are brought into them; a timed think shows the root move
# and the depth while it runs, keeps the window drawn, ignores clicks on the board, on Undo and on
# "Think!" itself, and plays one legal move when its time is up; a timed think that reaches its depth
# limit plays the move of tarnwick-cli's think to that depth. The progress is watched during a think that
# ends by its time, not by its work, so that a fast machine cannot end it before the first look.
# Usage: test_think.sh PROGRAM BUILD-DIR
source "$(dirname "$0")/lib.sh"
gui_init "$1" "$2"
CLI=("$GUI_BUILD/tarnwick-cli")

# searchMove MOVES DEPTH: the move tarnwick-cli's fixed-depth search plays after MOVES.
searchMove() { "${CLI[@]}" --moves "$1" search "$2" | awk '{ print $2 }'; }

# Board 8, B = 248: the two outputs of a timed think (their insides, without the frame) and the place of
# the "exploring " label to the left of the first.
EXPLORING=(331 138 64 14)
AT_DEPTH=(466 138 16 14)
EXPLORING_LABEL=(258 135 68 20)

# regionText X Y W H: a fingerprint of a region of the last screenshot; plain when it has one colour.
regionText() {
    local print
    print=$(convert "$GUI_TMP/shot.ppm" -crop "$3x$4+$1+$2" +repage -format '%k %#' info:)
    [ "${print%% *}" = 1 ] && echo plain || echo "$print"
}

if gui_start ok; then
    W=$GUI_MAIN_WINDOW
    # Typed limits | depth the search must have used. Time 0 is the fixed-depth mode; a depth below 1
    # is searched as 1 and a negative time as 0.
    cases=(
        "3 0|3"
        "0 -5|1"
    )
    played="B1-B3"
    gui_play "$W" B1-B3
    for entry in "${cases[@]}"; do
        IFS='|' read -r limits depth <<<"$entry"
        move=$(searchMove "$played" "$depth")
        # shellcheck disable=SC2086
        gui_set_limits "$W" 8 $limits
        gui_click_control "$W" 8 think
        played="$played $move"
        gui_expect_position "limits '$limits' play the depth-$depth move $move" "$W" 8 3 "$played" "restart undo"
    done

    # A timed think of SECONDS_TO_THINK seconds by side 1 (its depth limit is out of reach), with clicks
    # that must all be ignored while it runs.
    gui_click_control "$W" 8 undo
    gui_click_control "$W" 8 undo
    gui_expect_position "back to B1-B3" "$W" 8 3 "B1-B3" "restart undo redo end"
    gui_shot_ppm "$W"
    gui_expect_eq "no search output before the think" "plain plain plain" \
        "$(regionText "${EXPLORING[@]}") $(regionText "${AT_DEPTH[@]}") $(regionText "${EXPLORING_LABEL[@]}")"
    SECONDS_TO_THINK=4
    gui_set_limits "$W" 8 30 "$SECONDS_TO_THINK"
    gui_click_control "$W" 8 think
    gui_click_square "$W" A3
    gui_click_control "$W" 8 undo
    gui_click_control "$W" 8 think
    texts=() running=0 labelled=0 deadline=$(( SECONDS + SECONDS_TO_THINK + 6 * GUI_TIMEOUT ))
    while (( SECONDS < deadline )); do
        gui_shot_ppm "$W"
        exploring=$(regionText "${EXPLORING[@]}")
        if [ "$exploring" = plain ]; then
            (( running )) && break
        else
            running=1
            [ "$(regionText "${AT_DEPTH[@]}")" != plain ] && [ "$(regionText "${EXPLORING_LABEL[@]}")" != plain ] &&
                labelled=1
            [[ " ${texts[*]} " == *" ${exploring// /_} "* ]] || texts+=("${exploring// /_}")
        fi
        sleep 0.05
    done
    gui_expect_eq "during the think the root move, its depth and the label are shown" 1 "$labelled"
    gui_expect_eq "the window keeps being redrawn: the root move shown changes" yes \
        "$([ "${#texts[@]}" -ge 2 ] && echo yes || echo "no (${#texts[@]} texts)")"
    # The board now shows B1-B3 and one legal move of side 1: none of the clicks made during the think
    # took effect (a second think, an undo, or a selection would each show another board).
    found=$(gui_wait_played_move "$W" 8 3 B1-B3)
    gui_expect_eq "after the time-out one legal move of side 1 is played" yes \
        "$([ -n "$found" ] && echo yes || echo "no: the board shows
$(gui_board "$W" 8)")"
    gui_expect_eq "and the outputs are hidden again, the history intact" "plain plain restart undo" \
        "$(regionText "${EXPLORING[@]}") $(regionText "${AT_DEPTH[@]}") $(gui_controls "$W" 8)"

    # A timed think that reaches its depth limit first plays the move of tarnwick-cli's think to it.
    gui_click_control "$W" 8 undo
    gui_expect_position "back to B1-B3 again" "$W" 8 3 "B1-B3" "restart undo redo end"
    thought=$("${CLI[@]}" --moves B1-B3 think 7 | awk '{ print $2 }')
    gui_set_limits "$W" 8 7 600
    gui_click_control "$W" 8 think
    gui_expect_position "a think to depth 7 with time to spare plays $thought" "$W" 8 3 "B1-B3 $thought" \
        "restart undo"
    gui_close_window "$W"
    gui_wait_exit
else
    gui_fail "no main window"
    gui_stop_app
fi

gui_finish
