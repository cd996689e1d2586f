#!/usr/bin/env bash
# The keys of the main window, pressed as a person would with the pointer in the window: Ctrl+Z, Ctrl+Y,
# Ctrl+Shift+Z, Home and End walk through the game as their buttons do, Ctrl+T thinks; a limit field
# being edited keeps its text keys until a click elsewhere; keys pressed during a think change nothing.
# Usage: test_keys.sh PROGRAM BUILD-DIR
source "$(dirname "$0")/lib.sh"
gui_init "$1" "$2"
CLI=$GUI_BUILD/tarnwick-cli
B=$(( 31 * 8 ))
# The inside of the "exploring " output and of the depth field, in screenshots (x y w h).
EXPLORING=($(( B + 83 )) 138 64 14)
DEPTH_FIELD=($(( B + 162 )) 7 16 16)

regionPlain() {
    [ "$(convert "$GUI_TMP/shot.ppm" -crop "$3x$4+$1+$2" +repage -format '%k' info:)" = 1 ]
}
thinkShown() { gui_shot_ppm "$W" && ! regionPlain "${EXPLORING[@]}"; }
thinkHidden() { gui_shot_ppm "$W" && regionPlain "${EXPLORING[@]}"; }
depthPrint() { gui_shot_ppm "$W" && convert "$GUI_TMP/shot.ppm" -crop "16x16+$(( B + 162 ))+7" +repage -format '%#' info:; }

moves="B1-B3 A3xC1 C8-C6"
gui_launch --moves "$moves"
if W=$(gui_wait_window "${GUI_MAIN_SEARCH[@]}"); then
    gui_expect_position "started on the moves given" "$W" 8 3 "$moves" "restart undo"
    # Key | the moves applied after it | the buttons shown then.
    steps=(
        "ctrl+z|B1-B3 A3xC1|restart undo redo end"
        "ctrl+z|B1-B3|restart undo redo end"
        "ctrl+y|B1-B3 A3xC1|restart undo redo end"
        "ctrl+shift+z|B1-B3 A3xC1 C8-C6|restart undo"
        "Home||redo end"
        "End|B1-B3 A3xC1 C8-C6|restart undo"
        "Home||redo end"
        "ctrl+shift+z|B1-B3|restart undo redo end"
    )
    for entry in "${steps[@]}"; do
        IFS='|' read -r keys after shown <<<"$entry"
        gui_key "$W" "$keys"
        gui_expect_position "$keys leads to '$after'" "$W" 8 3 "$after" "$shown"
    done
    gui_key "$W" End ctrl+z

    # A click into a limit field gives it the keys of text editing, also those it has no use for at the
    # moment (there is nothing in it to undo): the game stays on B1-B3 A3xC1 with C8-C6 to replay. Ctrl+T
    # still thinks, here one ply deep, at once.
    gui_set_limits "$W" 8 1 0
    gui_click "$W" $(( B + 171 )) 15
    gui_key "$W" End ctrl+z Home ctrl+z ctrl+t
    best=$("$CLI" --moves "B1-B3 A3xC1" search 1 | awk '{ print $2 }')
    gui_expect_position "a field being edited keeps End, Ctrl+Z and Home; Ctrl+T plays $best" "$W" 8 3 \
        "B1-B3 A3xC1 $best" "restart undo"
    # A click on the board (an empty square) gives the keys back to the game.
    gui_click_square "$W" D5
    gui_key "$W" ctrl+z
    gui_expect_position "after a click on the board Ctrl+Z undoes again" "$W" 8 3 "B1-B3 A3xC1" "restart undo redo end"

    # During a think the keys change nothing; a depth typed afterwards shows that they were handled.
    gui_set_limits "$W" 8 30 3
    gui_click_square "$W" D5
    gui_shot_ppm "$W"
    depthBefore=$(depthPrint)
    gui_key "$W" ctrl+t
    if gui_poll "$GUI_TIMEOUT" thinkShown; then
        gui_key "$W" ctrl+z Home ctrl+y End ctrl+t
        xdotool mousemove --window "$W" $(( B + 171 )) 15 click 1 key ctrl+a type 12
        handled=
        for (( i = 0; i < 60; i++ )); do
            [ "$(depthPrint)" != "$depthBefore" ] && { handled=1; break; }
            sleep 0.05
        done
        gui_expect_eq "the keys were handled while the think ran" "handled, thinking" \
            "$([ -n "$handled" ] && echo handled || echo "not handled"), $(thinkShown && echo thinking || echo "no longer thinking")"
        gui_poll $(( 3 + GUI_TIMEOUT )) thinkHidden
        # The game line is the moves given plus the computer's one move, whatever it chose.
        gui_click_square "$W" D5
        gui_key "$W" ctrl+c
        gui_poll "$GUI_TIMEOUT" gui_clipboard >"$GUI_TMP/after-think.txt"
        # The tool checks the record; its move text without the move numbers.
        line=$("$CLI" --record "$GUI_TMP/after-think.txt" record | sed -n '5,$p' | tr ' ' '\n' | grep -v '^[0-9]*\.$' | xargs)
        gui_expect_eq "after the think the line is the two moves before it and one more" "B1-B3 A3xC1 * (3 moves)" \
            "$(cut -d' ' -f1-2 <<<"$line") $(awk '{ print $NF }' <<<"$line") ($(( $(wc -w <<<"$line") - 1 )) moves)"
    else
        gui_fail "the think did not start"
    fi
    gui_close_window "$W"
    gui_wait_exit
else
    gui_fail "no main window"
    gui_stop_app
fi

gui_finish
