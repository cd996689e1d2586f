#!/usr/bin/env bash
# Prints, for a few middle-game positions, the depth that each computer player completes in 1 and in
# 10 seconds of a timed think, as the rows of a Markdown table.
#
#   scripts/depth-table.sh [CLI]     (default build/tarnwick-cli)
#
# The strong player prints the depth of its last completed iteration; the classic one shows the depth
# it starts ("at depth " on standard error with --progress) over odd depths, so the last one it
# completed is two below the last one it started. Run it on an otherwise idle machine: it measures
# time.
set -euo pipefail
cli=${1:-build/tarnwick-cli}

# Size, setup and the moves that lead to the position.
positions=(
    "8 3 G1-A1 H2-G1 A1-B2 G1-E3 B8-B5 A7-C7 F1-C4 H7-F7 B1-C2 H5xE8 D1xA4 A5xD8"
    "8 3 G1-A1 H2-G1 A1-B2 H3-F3 F8xH6 H7-F7 B8-B5 A7-C7 C8xA6 G1-F2 A6-C6 A2-D5 D8xD5 H5xD5 D1xF3 H4-F4 E8xA4 F2-E3 B1-B4 A3-D3"
    "12 3 C1xA3 L4-J6 K12-K10 A2-C2 K1-K3 A11-B10 B12-E9 A10-E10 C12-C10 L2-J2 B1-B3 L3-J5 A3-D3 C2-C4 B3-E3 L5-J7 D1-G4 J2-J8 K3-I5 L10-I7 I1-G3 J7xG4 E1xJ6 A4-D4"
    "16 3 I1-G3 A7-C5 B1-B3 A3-D6 O1-O3 D6xG3 N1-N3 G3xB3 C1-C4 P4-N6 B16-E13 N6xN3 O16-K12 P15-O14 N16-N14 P14-O13 K1-K4 A13xE13 H16xE13 A2-A13 M1-K3 P3-N5 D1-F3 P7-M10 L1-J3 P5-L5 J3-J6 A13xE13 E16xE13 A15-C13"
)

# completed ENGINE SECONDS SIZE SETUP MOVES: the depth the player completes.
completed() {
    local engine=$1 seconds=$2 size=$3 setup=$4 moves=$5 started
    if [ "$engine" = strong ]; then
        "$cli" --engine strong --size "$size" --setup "$setup" --moves "$moves" think 30 "$seconds" |
            sed -n 's/.* depth \([0-9]*\)$/\1/p'
    else
        started=$("$cli" --size "$size" --setup "$setup" --moves "$moves" --progress think 30 "$seconds" 2>&1 >/dev/null |
            grep -o 'at depth [0-9]*' | tail -1 | sed 's/at depth //')
        echo $((started - 2))
    fi
}

echo "| board | position | classic, 1 s | strong, 1 s | classic, 10 s | strong, 10 s |"
echo "|---|---|---|---|---|---|"
for position in "${positions[@]}"; do
    read -r size setup moves <<<"$position"
    row="| $size x $size | setup $setup, $(wc -w <<<"$moves") moves in |"
    for seconds in 1 10; do
        row="$row $(completed classic $seconds "$size" "$setup" "$moves") | $(completed strong $seconds "$size" "$setup" "$moves") |"
    done
    echo "$row"
done
