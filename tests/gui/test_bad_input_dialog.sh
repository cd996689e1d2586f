#!/usr/bin/env bash
# Anything typed into the start-up dialog: the fields take only what an integer field takes (digits and a
# leading minus; other characters are dropped as they are typed), OK takes the values only when both are
# in range and otherwise corrects the fields, keys never submit, and Escape or closing ends the program
# with status 0 whatever the fields hold. Values that typing cannot produce (fractions, infinities,
# not-a-number) are put into the fields in-process by dialog_values.
# Usage: test_bad_input_dialog.sh PROGRAM BUILD-DIR
source "$(dirname "$0")/lib.sh"
gui_init "$1" "$2"

# expectGame WHAT N SETUP STEP...: the dialog steps lead to the main window of board N (31N + 250 by
# 31N + 50) showing initial setup SETUP, and closing it ends the program with status 0.
expectGame() {
    local what=$1 n=$2 setup=$3 size
    shift 3
    if ! gui_start "$@"; then
        gui_fail "$what: no main window after: $*"
        gui_stop_app
        return
    fi
    size=$(gui_window_size "$GUI_MAIN_WINDOW")
    gui_expect_board "$what: setup $setup" "$GUI_MAIN_WINDOW" "$n" "$(gui_expected_board "$n" "$setup" "")"
    gui_close_window "$GUI_MAIN_WINDOW"
    gui_wait_exit
    gui_expect_eq "$what: board $n, then status 0" "$(( 31 * n + 250 ))x$(( 31 * n + 50 )) exit 0" \
        "$size exit $GUI_EXIT_STATUS"
}

NINES=9999999999999999999999999999999999999999
# What the case shows | board size | setup | steps in the dialog. A refused OK leaves the nearest values
# in range in the fields, which the second OK takes.
cases=(
    "letters are dropped, the fields keep 8 and 3|8|3|size=abc setup=xyz ok"
    "a lone minus is 0: the size is refused and corrected to 4, setup 0 is taken|4|0|size=- setup=- ok ok"
    "1e300 types as 1300 and is corrected to 16; an empty setup is 0|16|0|size=1e300 setup= ok ok"
    "forty nines and -99999999999 are corrected to 16 and 0|16|0|size=$NINES setup=-99999999999 ok ok"
    "-99999999999 and 99999999999 are corrected to 4 and 8|4|8|size=-99999999999 setup=99999999999 ok ok"
    "7.9 types as 79 and is corrected to 16 and 8|16|8|size=7.9 setup=7.9 ok ok"
    "0.5 types as 05, which is 5|5|5|size=0.5 setup=0.5 ok"
    "Enter after bad entries submits nothing|6|3|size=abc enter size=- enter size=1e300 enter size=6 ok"
    "Tab from the setup to OK, then Space and Return submit nothing|7|2|setup=2 key=Tab key=space key=Return size=7 ok"
)
for entry in "${cases[@]}"; do
    IFS='|' read -r what n setup steps <<<"$entry"
    # shellcheck disable=SC2086
    expectGame "$what" "$n" "$setup" $steps
done

# What the case shows | steps in the dialog | how it is left: Escape (pointer in the dialog) or closing.
endings=(
    "Escape after a refused OK|size=20 ok|escape"
    "Escape while letters are typed into the setup|setup=abc|escape"
    "closing after two refused OKs|size=0 ok setup=99 ok|close"
)
for entry in "${endings[@]}"; do
    IFS='|' read -r what steps ending <<<"$entry"
    if gui_open_dialog; then
        for step in $steps; do gui_dialog_step "$step"; done
        if [ "$ending" = escape ]; then gui_key "$GUI_DIALOG" Escape; else gui_close_window "$GUI_DIALOG"; fi
        gui_wait_exit
        gui_expect_eq "$what ends the program with status 0" 0 "$GUI_EXIT_STATUS"
    else
        gui_fail "$what: no dialog"
        gui_stop_app
    fi
done

# The in-process cases: one line each, "ok - ..." or "FAIL - ...", then the tally; any other ending
# (a crash, a sanitizer report) fails too.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" "$GUI_BUILD/dialog_values" >"$GUI_TMP/values.out" 2>&1
status=$?
while IFS= read -r line; do
    case $line in
        "ok - "*) gui_pass "dialog_values: ${line#ok - }" ;;
        "FAIL - "*) gui_fail "dialog_values: ${line#FAIL - }" ;;
    esac
done <"$GUI_TMP/values.out"
if [ "$status" -gt 1 ] || ! tail -n 1 "$GUI_TMP/values.out" | grep -q '^[0-9]* passed, [0-9]* failed$'; then
    gui_fail "dialog_values ended with status $status: $(tail -n 5 "$GUI_TMP/values.out")"
fi

gui_finish
