#!/usr/bin/env bash
# Closing the main window while the computer thinks ends the program at once with status 0, in the timed
# mode (the outputs show that the think runs) and in the fixed-depth mode (the program is busy).
# Usage: test_close_during_think.sh PROGRAM BUILD-DIR
source "$(dirname "$0")/lib.sh"
gui_init "$1" "$2"

# cpuTicks: the program's user time so far, in clock ticks.
cpuTicks() { awk '{ print $14 }' "/proc/$APP_PID/stat"; }

# thinking MODE: the think of this mode is running: the outputs show, or the program has worked for a
# fifth of a second since "Think!" was clicked (at clock tick ticksAtClick). An idle program uses next to
# nothing, and counting its own time holds however busy the machine is.
thinking() {
    if [ "$1" = timed ]; then
        gui_shot_ppm "$GUI_MAIN_WINDOW" &&
            [ "$(convert "$GUI_TMP/shot.ppm" -crop 64x14+331+138 +repage -format '%k' info:)" -gt 1 ]
    else
        [ $(( $(cpuTicks) - ticksAtClick )) -ge 20 ]
    fi
}

# Mode | limits typed: depth 30 with a time far beyond the test, or with time 0.
for entry in "timed|30 600" "fixed-depth|30 0"; do
    IFS='|' read -r mode limits <<<"$entry"
    if gui_start ok; then
        # shellcheck disable=SC2086
        gui_set_limits "$GUI_MAIN_WINDOW" 8 $limits
        ticksAtClick=$(cpuTicks)
        gui_click_control "$GUI_MAIN_WINDOW" 8 think
        if gui_poll "$GUI_TIMEOUT" thinking "$mode"; then
            gui_close_window "$GUI_MAIN_WINDOW"
            gui_wait_exit
            gui_expect_eq "closing during a $mode think ends the program with status 0" 0 "$GUI_EXIT_STATUS"
        else
            gui_fail "$mode: the think did not start"
            gui_stop_app
        fi
    else
        gui_fail "no main window"
        gui_stop_app
    fi
done

gui_finish
