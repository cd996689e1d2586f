#!/usr/bin/env bash
# Remakes docs/screenshot.png: the main window in the middle of a game, under a private Xvfb. Eight moves
# are played with the mouse, then the computer thinks for side 0 and the window is taken while the
# search shows the root move it explores and the depth it has reached.
# Usage: bash scripts/screenshot.sh [BUILD-DIR]   (default build; configured and built when needed)
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null || exit 1
fi
cmake --build "$build" -j 2 --target tarnwick close_window >/dev/null || exit 1

source tests/gui/lib.sh
gui_init "$build/tarnwick" "$build"
GUI_TIMEOUT=10
if ! gui_start ok; then
    echo "screenshot: the main window did not come up" >&2
    exit 1
fi
W=$GUI_MAIN_WINDOW
gui_play "$W" B1-B3 A2-C2 B8-B6 H7-F7 C8-C5 H2-G3 C5xC2 A7-C7
if ! gui_expect_board "eight moves played" "$W" 8 "$(gui_expected_board 8 3 "B1-B3 A2-C2 B8-B6 H7-F7 C8-C5 H2-G3 C5xC2 A7-C7")" >/dev/null; then
    echo "screenshot: the moves were not played as expected" >&2
    exit 1
fi
gui_set_limits "$W" 8 30 20
gui_click_control "$W" 8 think
# The think shows its outputs at once; give it time to reach a deeper iteration before the picture.
thinkShown() {
    gui_shot_ppm "$W" && [ "$(convert "$GUI_TMP/shot.ppm" -crop 64x14+331+138 -format '%k' info:)" -gt 1 ]
}
gui_poll 5 thinkShown || { echo "screenshot: no think in progress" >&2; exit 1; }
sleep 2
import -window "$W" docs/screenshot.png
gui_close_window "$W"
gui_wait_exit
echo "docs/screenshot.png remade"
