#!/usr/bin/env bash
# The larger board: --zoom 2 scales the window and renders the square images afresh at 62 pixels, which a
# screenshot matches pixel for pixel; the zoom keys step by quarters and Ctrl+0 goes back to the window of
# zoom 1; the zoom last used is kept for the next start, and a damaged settings file means zoom 1.
# Usage: test_zoom.sh PROGRAM BUILD-DIR
source "$(dirname "$0")/lib.sh"
gui_init "$1" "$2"
SETTINGS=$XDG_CONFIG_HOME/tarnwick/settings
moves="B1-B3 H7-G6"

windowSizeIs() { [ "$(gui_window_size "$W")" = "$1" ]; }

# expectZoom WHAT ZOOM SIZE: the window has SIZE and its board the images of ZOOM.
expectZoom() {
    gui_poll "$GUI_TIMEOUT" windowSizeIs "$3"
    gui_expect_eq "$1: the window" "$3" "$(gui_window_size "$W")"
    GUI_ZOOM=$2
    gui_expect_position "$1: the board at zoom $2" "$W" 8 3 "$moves" "restart undo"
    GUI_ZOOM=1
}

kept() { sed -n 's/^zoom=//p' "$SETTINGS" 2>/dev/null; }

gui_launch --zoom 2 --moves "$moves"
if W=$(gui_wait_window "${GUI_MAIN_SEARCH[@]}"); then
    expectZoom "--zoom 2" 2 996x596
    gui_expect_eq "--zoom 2 is kept as the zoom last used" 2 "$(kept)"
    gui_key "$W" ctrl+0
    expectZoom "Ctrl+0" 1 498x298
    gui_key "$W" ctrl+plus
    gui_key "$W" ctrl+equal
    expectZoom "Ctrl+plus, Ctrl+=" 1.5 751x451
    gui_key "$W" ctrl+minus
    expectZoom "Ctrl+minus" 1.25 625x375
    gui_close_window "$W"
    gui_wait_exit
    gui_expect_eq "the zoom last used is kept" 1.25 "$(kept)"
else
    gui_fail "no main window for --zoom 2"
    gui_stop_app
fi

gui_launch --moves "$moves"
if W=$(gui_wait_window "${GUI_MAIN_SEARCH[@]}"); then
    expectZoom "the next start" 1.25 625x375
    gui_close_window "$W"
    gui_wait_exit
fi

printf 'zoom=lots\n' >"$SETTINGS"
gui_launch --moves "$moves"
if W=$(gui_wait_window "${GUI_MAIN_SEARCH[@]}"); then
    expectZoom "a damaged settings file" 1 498x298
    gui_close_window "$W"
    gui_wait_exit
fi

gui_finish
