# Helpers for the desktop tests: a private Xvfb, the program under test, its windows found by the
# program's PID, clicks, keys, screenshots, pixels, and the end of the program with its exit status.
#
# A test script sources this file, calls `gui_init "$1" "$2"` (program, build directory), runs its
# cases and ends with `gui_finish`. Every wait polls in 50 ms steps and gives up after GUI_TIMEOUT
# seconds. A wait that succeeds ends at once, so the limit only has to be far beyond what anything takes
# on a busy machine with the sanitizers. Set TARNWICK_GUI_SHOTS to a directory to keep every screenshot.

set -u

GUI_TIMEOUT=${GUI_TIMEOUT:-20}
GUI_PROGRAM=
GUI_BUILD=
GUI_TMP=
GUI_XVFB_PID=
GUI_PASSED=0
GUI_FAILED=0
APP_PID=
GUI_EXIT_STATUS=
GUI_OFFER_PID=

gui_init() {
    GUI_PROGRAM=$(readlink -f "$1")
    GUI_BUILD=$(readlink -f "$2")
    GUI_TMP=$(mktemp -d)
    trap gui_cleanup EXIT
    # The program keeps its last game and its settings: in folders of this test, never the user's. The
    # toolkit and its file chooser keep theirs in the home folder, so that is the test's too; there the
    # toolkit's preferences choose its own file chooser, the one every machine has (not GTK's).
    export XDG_STATE_HOME=$GUI_TMP/state XDG_CONFIG_HOME=$GUI_TMP/config HOME=$GUI_TMP/home
    mkdir -p "$HOME/.fltk/fltk.org"
    printf '; FLTK preferences file format 1.0\n; vendor: fltk.org\n; application: fltk\n\n[.]\n\n[./options]\nFNFCUsesGTK:0\n' \
        >"$HOME/.fltk/fltk.org/fltk.prefs"
    gui_start_xvfb || { echo "cannot start Xvfb: $(cat "$GUI_TMP/xvfb.log")" >&2; exit 1; }
}

# gui_poll SECONDS COMMAND...: runs COMMAND every 50 ms until it succeeds or the time is up.
gui_poll() {
    local limit=$(( $1 * 20 )) i
    shift
    for (( i = 0; i < limit; i++ )); do
        "$@" && return 0
        sleep 0.05
    done
    return 1
}

# gui_start_xvfb: a server of our own at 24 bits (exact colours in screenshots), of the size
# GUI_SCREEN (WIDTHxHEIGHT, 1024x768 unless the test sets another before gui_init). -noreset keeps it
# from resetting when its last client leaves, which would make the next program fail to connect.
gui_start_xvfb() {
    Xvfb -displayfd 3 -screen 0 "${GUI_SCREEN:-1024x768}x24" -noreset -nolisten tcp \
        3>"$GUI_TMP/display" 2>"$GUI_TMP/xvfb.log" &
    GUI_XVFB_PID=$!
    gui_poll "$GUI_TIMEOUT" test -s "$GUI_TMP/display" || return 1
    export DISPLAY=":$(head -n 1 "$GUI_TMP/display")"
}

gui_cleanup() {
    gui_stop_offer
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
    [ -n "$GUI_XVFB_PID" ] && kill "$GUI_XVFB_PID" 2>/dev/null
    [ -n "$GUI_XVFB_PID" ] && wait "$GUI_XVFB_PID" 2>/dev/null
    [ -n "$GUI_TMP" ] && rm -rf "$GUI_TMP"
}

# --- The program ---------------------------------------------------------------------------------

# gui_launch [ARGS...]: starts the program in the background; APP_PID is its PID. In a sanitizer build
# the leak check is off for the program, also when the options of the run switch it on for the other
# tests (a later option wins): the toolkit's font loading leaves fontconfig's caches unfreed, which
# would turn every exit status into a leak report's.
gui_launch() {
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" "$GUI_PROGRAM" "$@" >"$GUI_TMP/app.out" 2>&1 &
    APP_PID=$!
}

gui_app_ended() {
    local state
    state=$(ps -o stat= -p "$APP_PID" 2>/dev/null) || return 0
    [[ $state == Z* ]]
}

# gui_wait_exit: waits for the program to end and sets GUI_EXIT_STATUS to its exit status; after
# GUI_TIMEOUT seconds it kills the program and sets "timeout". Not in a command substitution: only this
# shell can collect its child's status.
gui_wait_exit() {
    if gui_poll "$GUI_TIMEOUT" gui_app_ended; then
        wait "$APP_PID"
        GUI_EXIT_STATUS=$?
    else
        kill "$APP_PID" 2>/dev/null
        wait "$APP_PID" 2>/dev/null
        GUI_EXIT_STATUS=timeout
    fi
    APP_PID=
}

# gui_stop_app: ends a program left running by a failed case.
gui_stop_app() {
    [ -n "$APP_PID" ] || return 0
    kill "$APP_PID" 2>/dev/null
    wait "$APP_PID" 2>/dev/null
    APP_PID=
}

# --- Windows -------------------------------------------------------------------------------------

# gui_find_window SEARCH-ARGS...: prints the first visible window of the program matching the xdotool
# search conditions (all of them), or fails.
gui_find_window() {
    xdotool search --all --onlyvisible --pid "$APP_PID" "$@" 2>/dev/null | head -n 1 | grep .
}

# gui_wait_window SEARCH-ARGS...: like gui_find_window, waiting for the window to appear.
gui_wait_window() {
    local i window
    for (( i = 0; i < GUI_TIMEOUT * 20; i++ )); do
        window=$(gui_find_window "$@") && { echo "$window"; return 0; }
        gui_app_ended && return 1
        sleep 0.05
    done
    return 1
}

# gui_window_size WINDOW: prints WIDTHxHEIGHT.
gui_window_size() {
    xdotool getwindowgeometry "$1" | sed -n 's/^ *Geometry: *//p'
}

gui_window_title() {
    xdotool getwindowname "$1"
}

# gui_close_window WINDOW: asks the window to close as a window manager would.
gui_close_window() {
    "$GUI_BUILD/close_window" "$1"
}

# --- Input ---------------------------------------------------------------------------------------

# gui_click WINDOW X Y: a left click at window coordinates.
gui_click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

# gui_press WINDOW X Y / gui_release WINDOW X Y: the two halves of a click, to move in between.
gui_press() {
    xdotool mousemove --window "$1" "$2" "$3" mousedown 1
}

gui_release() {
    xdotool mousemove --window "$1" "$2" "$3" mouseup 1
}

# gui_key WINDOW KEY...: keys go to the window under the pointer, so the pointer moves there first
# (to a corner, where it presses nothing).
gui_key() {
    local window=$1
    shift
    xdotool mousemove --window "$window" 1 1 key "$@"
}

# gui_type WINDOW TEXT: types into the widget that has the keyboard focus.
gui_type() {
    xdotool mousemove --window "$1" 1 1 type -- "$2"
}

# gui_replace_text WINDOW X Y TEXT: clicks into a text field, selects all of it and types TEXT.
gui_replace_text() {
    gui_click "$1" "$2" "$3"
    xdotool key ctrl+a
    if [ -z "$4" ]; then xdotool key BackSpace; else xdotool type -- "$4"; fi
}

# --- The clipboard -------------------------------------------------------------------------------

# gui_clipboard [SELECTION]: prints the text of the clipboard, or of the primary selection with "primary";
# fails when no program offers one.
gui_clipboard() {
    timeout "$GUI_TIMEOUT" xclip -o -selection "${1:-clipboard}" 2>/dev/null
}

# gui_offer_clipboard TEXT: offers TEXT in the clipboard, as a program that has copied it does, until the
# next offer or the end of the test; returns once the offer can be read.
gui_offer_clipboard() {
    gui_stop_offer
    printf '%s' "$1" | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
    GUI_OFFER_PID=$!
    gui_poll "$GUI_TIMEOUT" gui_clipboard >/dev/null
}

gui_stop_offer() {
    [ -n "$GUI_OFFER_PID" ] || return 0
    kill "$GUI_OFFER_PID" 2>/dev/null
    wait "$GUI_OFFER_PID" 2>/dev/null
    GUI_OFFER_PID=
}

# --- Screenshots and pixels ----------------------------------------------------------------------

# gui_screenshot WINDOW FILE: the window's contents as PNG. import can wait forever for a window that has
# gone, so there is none once the program has ended, and import gets GUI_TIMEOUT seconds.
gui_screenshot() {
    gui_app_ended && return 1
    timeout "$GUI_TIMEOUT" import -window "$1" "$2" || return 1
    [ -n "${TARNWICK_GUI_SHOTS:-}" ] && mkdir -p "$TARNWICK_GUI_SHOTS" && cp "$2" "$TARNWICK_GUI_SHOTS/"
    return 0
}

# gui_pixel FILE X Y: prints the pixel as "R,G,B".
gui_pixel() {
    convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -n 1 | sed -n 's/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

# gui_wait_pixel WINDOW X Y R,G,B: polls screenshots until the pixel has that colour (drawing is
# asynchronous).
gui_pixel_is() {
    gui_screenshot "$1" "$GUI_TMP/poll.png" 2>/dev/null && [ "$(gui_pixel "$GUI_TMP/poll.png" "$2" "$3")" = "$4" ]
}

gui_wait_pixel() {
    gui_poll "$GUI_TIMEOUT" gui_pixel_is "$@"
}

# --- Start-up of this program --------------------------------------------------------------------

# Before OK the dialog is the program's only window: it has no title of its own, so the toolkit titles
# it with its window class, the program's file name. The main window is found by its title, which names
# the game's file once there is one ("game.txt - Tarnwick 2.0").
GUI_DIALOG_SEARCH=(--name '^tarnwick$')
GUI_MAIN_SEARCH=(--name '^(.* - )?Tarnwick 2\.0$')
GUI_DIALOG=
GUI_MAIN_WINDOW=

# Window coordinates in the dialog: the board-size field, the setup field, the OK button.
GUI_SIZE_FIELD=(100 20)
GUI_SETUP_FIELD=(100 50)
GUI_OK_BUTTON=(65 82)

# gui_dialog_step STEP: size=V and setup=V replace a field's text, ok clicks OK, enter presses Return
# with the pointer in the dialog, key=K presses key K there, drag-ok presses on OK and releases elsewhere
# in the dialog.
gui_dialog_step() {
    case $1 in
        size=*) gui_replace_text "$GUI_DIALOG" "${GUI_SIZE_FIELD[@]}" "${1#size=}" ;;
        setup=*) gui_replace_text "$GUI_DIALOG" "${GUI_SETUP_FIELD[@]}" "${1#setup=}" ;;
        ok) gui_click "$GUI_DIALOG" "${GUI_OK_BUTTON[@]}" ;;
        enter) gui_key "$GUI_DIALOG" Return ;;
        key=*) gui_key "$GUI_DIALOG" "${1#key=}" ;;
        drag-ok) gui_press "$GUI_DIALOG" "${GUI_OK_BUTTON[@]}" && gui_release "$GUI_DIALOG" 10 10 ;;
        *) echo "unknown dialog step $1" >&2; return 1 ;;
    esac
}

# gui_open_dialog: launches the program and waits for its dialog (GUI_DIALOG).
gui_open_dialog() {
    gui_launch "$@"
    GUI_DIALOG=$(gui_wait_window "${GUI_DIALOG_SEARCH[@]}")
}

# gui_start STEP...: launches the program, performs the dialog steps and waits for the main window
# (GUI_MAIN_WINDOW). A game on board 6 with setup 0: gui_start size=6 setup=0 ok
gui_start() {
    local step
    GUI_MAIN_WINDOW=
    gui_open_dialog || return 1
    for step in "$@"; do gui_dialog_step "$step" || return 1; done
    GUI_MAIN_WINDOW=$(gui_wait_window "${GUI_MAIN_SEARCH[@]}")
}

# gui_expect_main_window WHAT SIZE STEP...: the dialog steps must lead to a main window of SIZE
# (WIDTHxHEIGHT) titled "Tarnwick 2.0", and closing it must end the program with status 0.
gui_expect_main_window() {
    local what=$1 size=$2 actual
    shift 2
    if ! gui_start "$@"; then
        gui_fail "$what: no main window after: $*"
        gui_stop_app
        return
    fi
    actual="$(gui_window_size "$GUI_MAIN_WINDOW") '$(gui_window_title "$GUI_MAIN_WINDOW")'"
    [ -n "${TARNWICK_GUI_SHOTS:-}" ] && gui_screenshot "$GUI_MAIN_WINDOW" "$GUI_TMP/main-$size.png"
    gui_close_window "$GUI_MAIN_WINDOW"
    gui_wait_exit
    gui_expect_eq "$what" "$size 'Tarnwick 2.0' exit 0" "$actual exit $GUI_EXIT_STATUS"
}

# --- Results -------------------------------------------------------------------------------------

gui_pass() {
    GUI_PASSED=$((GUI_PASSED + 1))
    echo "ok - $1"
}

gui_fail() {
    GUI_FAILED=$((GUI_FAILED + 1))
    echo "FAIL - $1"
    [ -s "$GUI_TMP/app.out" ] && sed 's/^/    program: /' "$GUI_TMP/app.out"
    return 0
}

# gui_expect_eq WHAT EXPECTED ACTUAL
gui_expect_eq() {
    if [ "$2" = "$3" ]; then gui_pass "$1"; else gui_fail "$1: expected '$2', got '$3'"; fi
}

# gui_finish: prints the tally and exits non-zero if anything failed.
gui_finish() {
    echo "$GUI_PASSED passed, $GUI_FAILED failed"
    exit $(( GUI_FAILED > 0 ))
}

# --- The main window during a game ---------------------------------------------------------------

# Board squares are 31 pixels from (6, 6); B is the board's width in pixels, 31N. The controls are
# placed relative to it: the Think button at (B + 150, 50), the limit fields at (B + 160, 5) and
# (B + 150, 25), the search outputs at y 135, the navigation buttons at y B + 20.
gui_square_xy() {  # SQUARE (e.g. B3): prints the window coordinates of its centre
    local col=${1:0:1} row=${1:1}
    col=$(( $(printf '%d' "'$col") - 64 ))
    echo "$(( 31 * (col - 1) + 21 )) $(( 31 * (row - 1) + 21 ))"
}

# gui_click_square WINDOW SQUARE: clicks the square, then rests the pointer in the window's top-left
# corner, where it lights nothing: the squares' hover images do not depend on when the pointer arrived.
gui_click_square() {
    # shellcheck disable=SC2046
    xdotool mousemove --window "$1" $(gui_square_xy "$2") click 1 mousemove --window "$1" 1 1
}

# gui_play WINDOW MOVE...: plays moves such as B1-B3 or B1xD3 with two clicks each.
gui_play() {
    local window=$1 move
    shift
    for move in "$@"; do
        gui_click_square "$window" "${move%[-x]*}"
        gui_click_square "$window" "${move##*[-x]}"
    done
}

# The navigation buttons, each 25 pixels square at y B + 20: name and left edge.
GUI_NAVIGATION=(restart:15 undo:50 redo:100 end:135)

# gui_click_control WINDOW N CONTROL [TIMES]: clicks think, restart, undo, redo or end of a board of size
# N, TIMES clicks in a row 10 ms apart (default one). A navigation button is clicked in its middle.
gui_click_control() {
    local b=$(( 31 * $2 )) x= y repeat=() button
    [ "${4:-1}" -gt 1 ] && repeat=(--repeat "$4" --delay 10)
    if [ "$3" = think ]; then
        x=$(( b + 172 )) y=62
    else
        for button in "${GUI_NAVIGATION[@]}"; do
            [ "${button%:*}" = "$3" ] && x=$(( ${button#*:} + 12 )) y=$(( b + 32 ))
        done
        [ -n "$x" ] || { echo "unknown control $3" >&2; return 1; }
    fi
    xdotool mousemove --window "$1" "$x" "$y" click "${repeat[@]}" 1 mousemove --window "$1" 1 1
}

# gui_set_limits WINDOW N DEPTH SECONDS: types the two limits of the computer player.
gui_set_limits() {
    local b=$(( 31 * $2 ))
    gui_replace_text "$1" $(( b + 171 )) 15 "$3"
    gui_replace_text "$1" $(( b + 171 )) 35 "$4"
    xdotool mousemove --window "$1" 1 1
}

# gui_field_text WINDOW X Y: prints the text of the input field at (X, Y), read through the clipboard:
# a click into the field, select all, copy. An empty field copies nothing and reads as empty (after the
# reader's wait of ten seconds).
gui_field_text() {
    "$GUI_BUILD/clipboard_text" clear
    gui_click "$1" "$2" "$3"
    xdotool key ctrl+a ctrl+c
    "$GUI_BUILD/clipboard_text"
}

# gui_limits WINDOW N: prints the texts of the two limit fields, "DEPTH SECONDS".
gui_limits() {
    local b=$(( 31 * $2 ))
    echo "$(gui_field_text "$1" $(( b + 171 )) 15) $(gui_field_text "$1" $(( b + 171 )) 35)"
}

# gui_shot_ppm WINDOW: a screenshot as binary PPM in $GUI_TMP/shot.ppm (none once the program has ended).
gui_shot_ppm() {
    gui_app_ended && return 1
    timeout "$GUI_TIMEOUT" import -window "$1" -depth 8 "ppm:$GUI_TMP/shot.ppm" || return 1
    [ -n "${TARNWICK_GUI_SHOTS:-}" ] && mkdir -p "$TARNWICK_GUI_SHOTS" &&
        convert "$GUI_TMP/shot.ppm" "$TARNWICK_GUI_SHOTS/shot-$(date +%s%N).png"
    return 0
}

# gui_board WINDOW N: the image every square shows, as N lines of codes CRHL (content 0 empty, 1 side 0,
# 2 side 1; raised, highlighted, lit 0 or 1; sunken squares read as unlit), from a screenshot, compared
# with the images rendered at the window's zoom GUI_ZOOM.
GUI_ZOOM=1
gui_board() {
    gui_shot_ppm "$1" && "$GUI_BUILD/board_squares" "$GUI_TMP/shot.ppm" "$2" "$GUI_ZOOM"
}

# gui_zoomed PIXELS: a length of the window at zoom 1 at the zoom GUI_ZOOM, rounded as the program does.
gui_zoomed() {
    awk -v pixels="$1" -v zoom="$GUI_ZOOM" 'BEGIN { printf "%d\n", int(pixels * zoom + 0.5) }'
}

# gui_controls WINDOW N: the navigation buttons shown, as a word each ("restart undo", or "none"), from
# the last screenshot. A hidden button leaves one plain colour behind.
gui_controls() {
    local b=$(( $(gui_zoomed 31) * $2 )) size shown= name x colours
    size=$(gui_zoomed 25)
    for name in "${GUI_NAVIGATION[@]}"; do
        x=$(gui_zoomed "${name#*:}")
        colours=$(convert "$GUI_TMP/shot.ppm" -crop "${size}x$size+$x+$(( b + $(gui_zoomed 20) ))" -format '%k' info:)
        [ "$colours" -gt 1 ] && shown+="${shown:+ }${name%:*}"
    done
    echo "${shown:-none}"
}

# gui_expected_board SIZE SETUP MOVES [SQUARE]: what the board must show after MOVES (blank-separated),
# computed from tarnwick-cli: the normal display (the pieces of the side to move raised unless a side has
# won, the squares of the last move highlighted), or with SQUARE the selection display of the piece on
# it (that square raised and highlighted, the targets of its legal moves raised, all else sunken).
gui_expected_board() {
    local cli=("$GUI_BUILD/tarnwick-cli" --size "$1" --setup "$2" --moves "$3")
    {
        "${cli[@]}" show
        [ -n "${4:-}" ] && "${cli[@]}" moves | awk -v from="$4" '$1 ~ "^" from "[-x]" { print "target", $1 }'
    } | awk -v last="${3##* }" -v selected="${4:-}" '
        function col(square) { return index("ABCDEFGHIJKLMNOP", substr(square, 1, 1)) }
        function row(square) { return substr(square, 2) + 0 }
        function mark(square, what) { marked[row(square), col(square)] = what }
        BEGIN {
            if (selected != "") mark(selected, "selected")
            else if (last != "") { split(last, squares, /[-x]/); mark(squares[1], "last"); mark(squares[2], "last") }
        }
        /^ *[0-9]+  / { for (c = 2; c <= NF; c++) cell[$1, c - 1] = $c; n = NF - 1 }
        /^side to move:/ { toMove = $4 }
        /has won/ { decided = 1 }
        $1 == "target" { split($2, squares, /[-x]/); mark(squares[2], "target") }
        END {
            for (r = 1; r <= n; r++)
                for (c = 1; c <= n; c++) {
                    content = cell[r, c] == "." ? 0 : cell[r, c] + 1
                    if (selected != "") raised = marked[r, c] != ""
                    else raised = !decided && content == toMove + 1
                    highlighted = marked[r, c] == "last" || marked[r, c] == "selected"
                    printf "%d%d%d0%s", content, raised, highlighted, c == n ? "\n" : " "
                }
        }'
}

# gui_expect_board WHAT WINDOW N EXPECTED: polls screenshots until the board shows EXPECTED (drawing is
# asynchronous); fails with both boards after GUI_TIMEOUT seconds, or at once when the program has ended.
gui_expect_board() {
    local what=$1 window=$2 n=$3 expected=$4 actual= i
    for (( i = 0; i < GUI_TIMEOUT * 10; i++ )); do
        gui_app_ended && { gui_fail "$what: the program has ended"; return 1; }
        actual=$(gui_board "$window" "$n")
        [ "$actual" = "$expected" ] && { gui_pass "$what"; return 0; }
        sleep 0.05
    done
    gui_fail "$what: the board shows
$actual
instead of
$expected"
    return 1
}

# gui_wait_played_move WINDOW SIZE SETUP MOVES: waits until the board shows MOVES and one legal move more,
# in the normal display, and prints that move; fails when no legal move shows within GUI_TIMEOUT seconds.
# For a think that ends by its time, which may choose any move.
gui_wait_played_move() {
    local window=$1 n=$2 setup=$3 moves=$4 move entry actual expected=() deadline=$(( SECONDS + GUI_TIMEOUT ))
    for move in $("$GUI_BUILD/tarnwick-cli" --size "$n" --setup "$setup" --moves "$moves" moves | awk '{ print $1 }'); do
        expected+=("$move:$(gui_expected_board "$n" "$setup" "$moves $move")")
    done
    while (( SECONDS <= deadline )); do
        actual=$(gui_board "$window" "$n")
        for entry in "${expected[@]}"; do
            [ "$actual" = "${entry#*:}" ] && { echo "${entry%%:*}"; return 0; }
        done
        sleep 0.05
    done
    return 1
}

# gui_expect_position WHAT WINDOW SIZE SETUP MOVES [CONTROLS]: the board in the normal display after
# MOVES and, when given, exactly these navigation buttons shown (see gui_controls).
gui_expect_position() {
    gui_expect_board "$1" "$2" "$3" "$(gui_expected_board "$3" "$4" "$5")" || return 0
    [ -n "${6:-}" ] && gui_expect_eq "$1: navigation buttons" "$6" "$(gui_controls "$2" "$3")"
    return 0
}

# --- The menu, the dialogs and the files -------------------------------------------------------

# The menu's items, top to bottom.
GUI_MENU_ITEMS=("New game..." "Open..." "Save as..." "Resume last game" "Copy game" "Paste game" "Hint"
    "Game window" "Analyse game" "Analyse position" "Computer plays side 0" "Computer plays side 1" "Computer player" "Zoom in" "Zoom out" "Actual size" "About"
    "Quit")
# The items of the "Computer player" submenu.
GUI_PLAYER_ITEMS=("Classic player" "Strong player" "Level 1" "Level 2" "Level 3" "Level 4" "Level 5" "Level 6"
    "Level 7" "Level 8" "Level 9" "Level 10")
GUI_MENU=

# gui_launch_in FOLDER [ARGS...]: gui_launch with FOLDER as the program's working folder, where its file
# chooser starts.
gui_launch_in() {
    local folder=$1
    shift
    pushd "$folder" >/dev/null || return 1
    gui_launch "$@"
    popd >/dev/null || return 1
}

# gui_window_shown WINDOW: whether the program shows that window.
gui_window_shown() {
    xdotool search --all --onlyvisible --pid "$APP_PID" 2>/dev/null | grep -qx "$1"
}

gui_window_gone() {
    ! gui_window_shown "$1"
}

# gui_wait_gone WINDOW: waits until the window is no longer shown.
gui_wait_gone() {
    gui_poll "$GUI_TIMEOUT" gui_window_gone "$1"
}

# gui_find_menu [SHOWN]: prints the program's menu window while one is popped up, other than the window
# SHOWN (the menu whose submenu is wanted).
gui_find_menu() {
    local window
    for window in $(xdotool search --all --onlyvisible --pid "$APP_PID" 2>/dev/null); do
        [ "$window" = "${1:-}" ] && continue
        xprop -id "$window" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_MENU && { echo "$window"; return 0; }
    done
    return 1
}

# gui_open_menu WINDOW HOW...: pops the menu up, with "click X Y" (the right button there) or a key such
# as Menu or shift+F10 (the pointer in the window's corner), and waits for it (GUI_MENU).
gui_open_menu() {
    local window=$1 i
    shift
    if [ "$1" = click ]; then
        xdotool mousemove --window "$window" "$2" "$3" click 3
    else
        gui_key "$window" "$1"
    fi
    GUI_MENU=
    for (( i = 0; i < GUI_TIMEOUT * 20; i++ )); do
        GUI_MENU=$(gui_find_menu) && return 0
        sleep 0.05
    done
    return 1
}

# gui_menu_row LABEL [MENU ITEMS...]: prints "TOP HEIGHT" of the item's row in the menu window (GUI_MENU
# with GUI_MENU_ITEMS unless given), whose rows are equal.
gui_menu_row() {
    local label=$1 menu=${2:-$GUI_MENU} i height
    local items=("${GUI_MENU_ITEMS[@]}")
    [ $# -gt 2 ] && items=("${@:3}")
    local count=${#items[@]}
    height=$(gui_window_size "$menu" | cut -dx -f2)
    for (( i = 0; i < count; i++ )); do
        [ "${items[$i]}" = "$label" ] && { echo "$(( i * height / count )) $(( height / count ))"; return 0; }
    done
    echo "no menu item '$label'" >&2
    return 1
}

# gui_pick LABEL: clicks the item of the menu popped up and waits for the menu to go; the pointer then
# rests in the screen's corner, off the program's windows, where it lights nothing.
gui_pick() {
    local row
    row=($(gui_menu_row "$1")) || return 1
    xdotool mousemove --window "$GUI_MENU" 30 $(( row[0] + row[1] / 2 )) click 1
    gui_wait_gone "$GUI_MENU" && xdotool mousemove 0 0
}

# gui_pick_player LABEL: in the menu popped up, points at "Computer player", waits for its submenu and
# clicks the item LABEL there (one of GUI_PLAYER_ITEMS); the pointer then rests in the screen's corner.
gui_pick_player() {
    local row submenu= i
    row=($(gui_menu_row "Computer player")) || return 1
    xdotool mousemove --window "$GUI_MENU" 30 $(( row[0] + row[1] / 2 ))
    for (( i = 0; i < GUI_TIMEOUT * 20; i++ )); do
        submenu=$(gui_find_menu "$GUI_MENU") && break
        sleep 0.05
    done
    [ -n "$submenu" ] || return 1
    row=($(gui_menu_row "$1" "$submenu" "${GUI_PLAYER_ITEMS[@]}")) || return 1
    xdotool mousemove --window "$submenu" 30 $(( row[0] + row[1] / 2 )) click 1
    gui_wait_gone "$GUI_MENU" && xdotool mousemove 0 0
}

# gui_menu_active_items: the numbers of the items drawn active (their text in black) in the menu popped up,
# 1 for the first. The rows are looked at right of the check boxes, whose frames are black also on an
# inactive item.
gui_menu_active_items() {
    local i count=${#GUI_MENU_ITEMS[@]} height active=
    height=$(gui_window_size "$GUI_MENU" | cut -dx -f2)
    gui_screenshot "$GUI_MENU" "$GUI_TMP/menu.png" || return 1
    for (( i = 0; i < count; i++ )); do
        convert "$GUI_TMP/menu.png" -crop "130x$(( height / count - 6 ))+25+$(( i * height / count + 3 ))" +repage \
            -format %c histogram:info:- | grep -q '#000000' && active+="${active:+ }$(( i + 1 ))"
    done
    echo "$active"
}

# gui_expect_menu_items WHAT EXPECTED: polls until the menu popped up draws exactly the items EXPECTED
# active (see gui_menu_active_items): a menu window is drawn after it appears.
gui_expect_menu_items() {
    local actual= i
    for (( i = 0; i < GUI_TIMEOUT * 10; i++ )); do
        actual=$(gui_menu_active_items)
        [ "$actual" = "$2" ] && { gui_pass "$1"; return 0; }
        sleep 0.05
    done
    gui_fail "$1: expected the items '$2' active, got '$actual'"
}

# gui_close_menu WINDOW: Escape, and the menu goes without acting; the pointer rests in the window's
# corner, where it lights nothing.
gui_close_menu() {
    xdotool key Escape
    gui_wait_gone "$GUI_MENU"
    xdotool mousemove --window "$1" 1 1
}

# gui_choose_file TITLE TEXT: in the file chooser titled TITLE, types TEXT into its file field, after the
# folder it shows, and presses Enter; waits for the
# chooser to go.
gui_choose_file() {
    local chooser
    chooser=$(gui_wait_window --name "^$1\$") || return 1
    xdotool mousemove --window "$chooser" 5 5 type --delay 20 -- "$2"
    xdotool key Return
    gui_wait_gone "$chooser"
}

# gui_wait_message TITLE: waits for a message box titled TITLE and prints it.
gui_wait_message() {
    gui_wait_window --name "^$1\$"
}

# gui_dismiss WINDOW: presses Enter in a message box or dialog and waits for it to go.
gui_dismiss() {
    xdotool mousemove --window "$1" 5 5 key Return
    gui_wait_gone "$1"
}

# gui_expected_hint SIZE SETUP MOVES MOVE: the board showing MOVE as a hint after MOVES: its piece raised
# and highlighted, its target raised, every other square sunken.
gui_expected_hint() {
    "$GUI_BUILD/tarnwick-cli" --size "$1" --setup "$2" --moves "$3" show | awk -v move="$4" '
        function col(square) { return index("ABCDEFGHIJKLMNOP", substr(square, 1, 1)) }
        function row(square) { return substr(square, 2) + 0 }
        BEGIN { split(move, squares, /[-x]/) }
        /^ *[0-9]+  / { for (c = 2; c <= NF; c++) cell[$1, c - 1] = $c; n = NF - 1 }
        END {
            for (r = 1; r <= n; r++)
                for (c = 1; c <= n; c++) {
                    content = cell[r, c] == "." ? 0 : cell[r, c] + 1
                    from = r == row(squares[1]) && c == col(squares[1])
                    to = r == row(squares[2]) && c == col(squares[2])
                    printf "%d%d%d0%s", content, from || to, from, c == n ? "\n" : " "
                }
        }'
}
