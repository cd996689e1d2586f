#!/usr/bin/env bash
# Clicks everywhere while the computer thinks on board 16: on every square, on the four navigation
# buttons, on "Think!", on the limit fields (and typing into one), on the statistics and on the search
# outputs. None of it may change the board while the think runs; when its time is up exactly one legal
# move is played, the move replaces the line that could have been replayed, and the program goes on
# answering clicks. Escape during a think ends the program with status 0. The program is stopped while
# the clicks are sent, so that they all reach it during the think however busy the machine is.
# Usage: test_clicks_during_think.sh PROGRAM BUILD-DIR
source "$(dirname "$0")/lib.sh"
gui_init "$1" "$2"
CLI=("$GUI_BUILD/tarnwick-cli" --size 16)
N=16
B=$(( 31 * N ))
SECONDS_TO_THINK=5

# Regions of the last screenshot (x y w h): the inside of the "exploring " output and of the depth field.
EXPLORING=($(( B + 83 )) 138 64 14)
DEPTH_FIELD=($(( B + 162 )) 7 16 16)

# regionPrint X Y W H: a fingerprint of a region of the last screenshot; "plain" when it has one colour.
regionPrint() {
    local print
    print=$(convert "$GUI_TMP/shot.ppm" -crop "$3x$4+$1+$2" +repage -format '%k %#' info:)
    [ "${print%% *}" = 1 ] && echo plain || echo "$print"
}

thinkShown() { gui_shot_ppm "$W" && [ "$(regionPrint "${EXPLORING[@]}")" != plain ]; }
thinkHidden() { gui_shot_ppm "$W" && [ "$(regionPrint "${EXPLORING[@]}")" = plain ]; }
depthTyped() { gui_shot_ppm "$W" && [ "$(regionPrint "${DEPTH_FIELD[@]}")" != "$depthBefore" ]; }

# clickEverywhere: one xdotool command that presses and releases the mouse on every square, on each
# control and on the panel, then types 12 into the depth field.
clickEverywhere() {
    local args=() r c point
    for (( r = 0; r < N; r++ )); do
        for (( c = 0; c < N; c++ )); do args+=(mousemove --window "$W" $(( 31 * c + 21 )) $(( 31 * r + 21 )) mousedown 1 mouseup 1); done
    done
    # Navigation, "Think!", the limit fields, the statistics of both sides, the outputs, the frame, corners.
    for point in "27 $(( B + 32 ))" "62 $(( B + 32 ))" "112 $(( B + 32 ))" "147 $(( B + 32 ))" \
        "$(( B + 172 )) 62" "$(( B + 171 )) 15" "$(( B + 171 )) 35" "$(( B + 31 )) 13" "$(( B + 66 )) 122" \
        "$(( B + 115 )) 145" "$(( B + 225 )) 145" "5 5" "$(( B + 245 )) $(( B + 45 ))" "300 $(( B + 30 ))"; do
        # shellcheck disable=SC2086
        args+=(mousemove --window "$W" $point mousedown 1 mouseup 1)
    done
    # (type takes every word after it, so it comes last)
    args+=(mousemove --window "$W" $(( B + 171 )) 15 click 1 key ctrl+a type 12)
    xdotool "${args[@]}"
    xdotool mousemove --window "$W" 1 1
}

if gui_start size=16 ok; then
    W=$GUI_MAIN_WINDOW
    gui_play "$W" B1-B3 A2-C2
    gui_click_control "$W" "$N" undo
    gui_expect_position "before the think: B1-B3 played, A2-C2 can be replayed" "$W" "$N" 3 "B1-B3" \
        "restart undo redo end"
    before=$(gui_board "$W" "$N")
    gui_shot_ppm "$W"
    depthBefore=$(regionPrint "${DEPTH_FIELD[@]}")

    gui_set_limits "$W" "$N" 30 "$SECONDS_TO_THINK"
    gui_click_control "$W" "$N" think
    if gui_poll "$GUI_TIMEOUT" thinkShown; then
        # The clicks wait in the X server's queue until the think next lets events run, and are handled
        # together there, the time-out among them if it has come by then.
        kill -STOP "$APP_PID"
        clickEverywhere
        kill -CONT "$APP_PID"
        gui_poll "$GUI_TIMEOUT" depthTyped
        gui_expect_eq "the clicks are handled: the typed depth shows" changed \
            "$([ "$(regionPrint "${DEPTH_FIELD[@]}")" != "$depthBefore" ] && echo changed || echo unchanged)"

        # The think's end, then the board once two screenshots in a row agree on a change.
        gui_poll $(( SECONDS_TO_THINK + GUI_TIMEOUT )) thinkHidden
        after= previous=
        for (( i = 0; i < GUI_TIMEOUT * 10; i++ )); do
            after=$(gui_board "$W" "$N")
            [ "$after" != "$before" ] && [ "$after" = "$previous" ] && break
            previous=$after
            sleep 0.05
        done
        # The squares whose content changed, as "SQUARE BEFORE AFTER" (contents 0 empty, 1 and 2 the sides).
        changed=$(paste -d ' ' <(echo "$before" | tr ' ' '\n') <(echo "$after" | tr ' ' '\n') |
            awk -v n="$N" '{ if (substr($1, 1, 1) != substr($2, 1, 1)) printf "%c%d %s %s\n", 65 + (NR - 1) % n, int((NR - 1) / n) + 1, substr($1, 1, 1), substr($2, 1, 1) }')
        count=$(grep -c . <<<"$changed")
        move= legal=
        if [ "$count" = 2 ]; then
            move=$(awk '$2 == 2 && $3 == 0 { from = $1 } $3 == 2 { to = $1; sign = $2 == 1 ? "x" : "-" }
                END { print from sign to }' <<<"$changed")
            legal=$("${CLI[@]}" --moves B1-B3 moves | awk -v m="$move" '$1 == m { print "legal" }')
        fi
        gui_expect_eq "after the think exactly one move of side 1 is played, and it is legal" \
            "2 squares changed, legal" "$count squares changed, ${legal:-not legal: $(tr '\n' ' ' <<<"$changed")}"
        gui_expect_position "the board shows B1-B3 $move, and A2-C2 can no longer be replayed" "$W" "$N" 3 \
            "B1-B3 $move" "restart undo"

        # Still answering: Undo and Redo act, and the depth typed during the think is in its field.
        gui_click_control "$W" "$N" undo
        gui_expect_position "Undo after the think takes the computer's move back" "$W" "$N" 3 "B1-B3" "restart undo redo end"
        gui_click_control "$W" "$N" redo
        gui_expect_position "Redo replays it" "$W" "$N" 3 "B1-B3 $move" "restart undo"
        gui_expect_eq "the limits typed during the think are in the fields" "12 $SECONDS_TO_THINK" "$(gui_limits "$W" "$N")"
    else
        gui_fail "the think did not start"
    fi

    # Escape during a long think.
    gui_set_limits "$W" "$N" 30 600
    gui_click_control "$W" "$N" think
    if gui_poll "$GUI_TIMEOUT" thinkShown; then
        gui_key "$W" Escape
        gui_wait_exit
        gui_expect_eq "Escape during a think ends the program with status 0" 0 "$GUI_EXIT_STATUS"
    else
        gui_fail "the second think did not start"
        gui_stop_app
    fi
else
    gui_fail "no main window"
    gui_stop_app
fi

gui_finish
