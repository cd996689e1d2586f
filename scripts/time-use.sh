#!/usr/bin/env bash
# Measures how much of its time limit the strong player's timed think uses, through the engine
# protocol: for middle-game positions of self-play games on every setup, the time from "go movetime"
# to its bestmove, as the other side of the protocol sees it.
#
#   scripts/time-use.sh [TOOL] [MILLISECONDS] [SIZE]     (defaults build/tarnwick-cli, 100, 8)
#
# Prints a line per think (the setup, the ply, the milliseconds used) and then the mean and the
# largest share of the limit used, over the thinks in which the limit bound: those that ended at a
# decided result, or with a single legal move, end early by design and are left out.
set -euo pipefail
cd "$(dirname "$0")/.."
tool=${1:-build/tarnwick-cli}
limit=${2:-100}
size=${3:-8}

coproc ENGINE { "$tool" --engine strong engine; }
# ask LINE... UNTIL: sends the lines and reads the answers up to the one that starts with UNTIL;
# the score of the last info line is left in $score.
ask() {
    local line until=${*: -1}
    for line in "${@:1:$#-1}"; do echo "$line" >&"${ENGINE[1]}"; done
    score=0
    while IFS= read -r line <&"${ENGINE[0]}"; do
        case $line in
            info*) score=$(awk '{ print $5 }' <<<"$line") ;;
            "$until"*) return 0 ;;
        esac
    done
    return 1
}

results=$(mktemp)
trap 'rm -f "$results"' EXIT
for setup in 0 1 2 3 4 5 6 7 8; do
    read -r -a line < <("$tool" --size "$size" --setup "$setup" --engine strong selfplay --depth 3 | head -1)
    for ((ply = 4; ply < ${#line[@]} - 4 && ply <= 60; ply += 8)); do
        ask "newgame" "position size $size setup $setup moves ${line[*]:0:ply}" "isready" readyok
        start=$EPOCHREALTIME
        ask "go movetime $limit" bestmove
        used=$(awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f", (b - a) * 1000 }')
        decided=$(awk -v s="$score" 'BEGIN { print (s >= 1073741824 || s <= -1073741824) ? 1 : 0 }')
        echo "setup $setup ply $ply: $used ms"
        [ "$decided" = 1 ] || echo "$used" >>"$results"
    done
done
echo quit >&"${ENGINE[1]}"
awk -v limit="$limit" '{ s += $1; if ($1 > m) m = $1; n++ }
    END { printf "%d thinks of %d ms: %.0f%% of the limit used on average, at most %.0f%%\n", n, limit, 100 * s / n / limit, 100 * m / limit }' "$results"
