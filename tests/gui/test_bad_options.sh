#!/usr/bin/env bash
# The desktop program's own options and the last game it reads: a bad --computer, --zoom or --resume, or a
# last game that cannot be read, gives one line on standard error, status 2, nothing on standard output
# and no window (the display is not even opened). --computer and --zoom on their own keep the dialog.
# Usage: test_bad_options.sh PROGRAM BUILD-DIR
source "$(dirname "$0")/lib.sh"
gui_init "$1" "$2"
CLI=$GUI_BUILD/tarnwick-cli
LAST=$XDG_STATE_HOME/tarnwick/last-game.txt

# lastGame TEXT: the last game's file holds TEXT ("none": there is no file; "folder": a folder is in its place).
lastGame() {
    rm -rf "$LAST"
    mkdir -p "$(dirname "$LAST")"
    case $1 in
        none) ;;
        folder) mkdir "$LAST" ;;
        *) printf '%s' "$1" >"$LAST" ;;
    esac
}

# Arguments | the last game's file | the one line expected (a pattern).
cases=(
    "--computer 2|none|^tarnwick: option --computer: '2' is not 0, 1, both or none\$"
    "--computer Both|none|^tarnwick: option --computer: 'Both' is not 0, 1, both or none\$"
    "--computer|none|^tarnwick: option --computer needs a value\$"
    "--zoom 0.5|none|^tarnwick: option --zoom: '0.5' is not a number from 1 to 4 \\(such as 1.5\\)\$"
    "--zoom 4.25|none|^tarnwick: option --zoom: '4.25' is not a number from 1 to 4"
    "--zoom two|none|^tarnwick: option --zoom: 'two' is not a number from 1 to 4"
    "--zoom 1e0|none|^tarnwick: option --zoom: '1e0' is not a number from 1 to 4"
    "--zoom|none|^tarnwick: option --zoom needs a value\$"
    "--resume --size 6|none|^tarnwick: option --resume cannot be combined with --size: the last game gives the size, the setup and the moves\$"
    "--moves B1-B3 --resume|none|^tarnwick: option --resume cannot be combined with --moves"
    "--resume --record $GUI_TMP/g.txt|none|^tarnwick: option --resume cannot be combined with --record"
    "--resume|none|^tarnwick: option --resume: cannot read the last game '$LAST': No such file or directory\$"
    "--resume|folder|^tarnwick: option --resume: cannot read the last game '$LAST': Is a directory\$"
    "--resume|[Size \"8\"]
[Ply \"1\"]

1. B1-B4 *
|^tarnwick: option --resume: $LAST:4: 'B1-B4': move 1: not a legal move in this position\$"
    "--resume|[Size \"8\"]
[Ply \"3\"]

1. B1-B3 H7-G6 *
|^tarnwick: option --resume: $LAST:2: '\\[Ply \"3\"\\]': the shown position is not a whole number from 0 to 2, the number of moves\$"
    "--resume|$(head -c 1048577 /dev/zero | tr '\0' ' ')|^tarnwick: option --resume: cannot read the last game '$LAST': larger than 1048576 bytes\$"
)
for entry in "${cases[@]}"; do
    IFS='|' read -r -d '' args file pattern <<<"$entry"
    pattern=${pattern%$'\n'}
    lastGame "$file"
    status=0
    # shellcheck disable=SC2086
    env -u DISPLAY "$GUI_PROGRAM" $args >"$GUI_TMP/out" 2>"$GUI_TMP/err" || status=$?
    if [ "$status" -eq 2 ] && [ ! -s "$GUI_TMP/out" ] && [ "$(wc -l <"$GUI_TMP/err")" -eq 1 ] &&
        grep -Eq -- "$pattern" "$GUI_TMP/err"; then
        gui_pass "'$args' is refused (last game: $(head -c 30 <<<"$file" | tr '\n' ' '))"
    else
        gui_fail "'$args' (last game: $(head -c 30 <<<"$file" | tr '\n' ' ')): status $status, stdout '$(cat "$GUI_TMP/out")', stderr '$(head -c 300 "$GUI_TMP/err")'"
    fi
done

# --computer and --zoom alone do not name a position: the dialog asks, here at zoom 1.25.
gui_open_dialog --computer 1 --zoom 1.25
gui_expect_eq "--computer 1 --zoom 1.25: the start-up dialog, scaled" 163x125 "$(gui_window_size "$GUI_DIALOG" 2>/dev/null)"
gui_stop_app

gui_finish
