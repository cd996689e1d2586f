#!/usr/bin/env bash
# Writes the seed corpora of the fuzz targets: tests/fuzz/corpus/cli (command lines, one argv word
# per line), tests/fuzz/corpus/history (size, setup and action bytes), tests/fuzz/corpus/record
# (game records, good and bad) and tests/fuzz/corpus/strong (positions and requests). The legal game lines come
# from the tool itself, so the script needs a built tool:
#   bash tests/fuzz/make_corpus.sh build/tarnwick-cli
# The output is fixed: rerunning it rewrites the same files.
set -euo pipefail
cli=${1:?usage: make_corpus.sh PATH_TO_TARNWICK_CLI}
here=$(cd "$(dirname "$0")" && pwd)
out_cli=$here/corpus/cli
out_history=$here/corpus/history
out_record=$here/corpus/record
out_strong=$here/corpus/strong
out_protocol=$here/corpus/protocol
rm -rf "$out_cli" "$out_history" "$out_record" "$out_strong" "$out_protocol"
mkdir -p "$out_cli" "$out_history" "$out_record" "$out_strong" "$out_protocol"

# cli_case NAME WORD...: one argv word per line, no newline after the last.
cli_case() {
    local name=$1
    shift
    local IFS=$'\n'
    printf '%s' "$*" >"$out_cli/$name"
}

# game_line SIZE SETUP SEED PLIES: a legal line from the position, picking move (SEED * ply + 1)
# modulo the number of legal moves, stopping early when a side has won or no move is left.
game_line() {
    local size=$1 setup=$2 seed=$3 plies=$4 line="" ply
    for ((ply = 0; ply < plies; ++ply)); do
        if "$cli" --size "$size" --setup "$setup" --moves "$line" show | grep -q 'has won'; then break; fi
        mapfile -t moves < <("$cli" --size "$size" --setup "$setup" --moves "$line" moves | cut -d' ' -f1)
        [ ${#moves[@]} -gt 0 ] || break
        line="${line:+$line }${moves[$(((seed * ply + 1) % ${#moves[@]}))]}"
    done
    printf '%s' "$line"
}

# Legal lines on several sizes and setups, with the commands the tool knows.
cli_case example-5-6 --size 5 --setup 6 --moves "C1xE3 A3xC5" show
cli_case win-4-3 --size 4 --setup 3 --moves "$(game_line 4 3 1 12)" show
cli_case default-line --moves "$(game_line 8 3 3 20)" show
cli_case line-6-1 --size 6 --setup 1 --moves "$(game_line 6 1 5 30)" perft 1
cli_case line-9-7 --size 9 --setup 7 --moves "$(game_line 9 7 7 40)" moves
cli_case line-12-4 --size 12 --setup 4 --moves "$(game_line 12 4 11 40)" eval
cli_case line-16-8 --size 16 --setup 8 --moves "$(game_line 16 8 13 60)" stats
cli_case line-7-2-commas --setup 2 --size 7 --moves "$(game_line 7 2 17 15 | tr ' ' ',')" show
cli_case lower-case --moves "$(game_line 8 3 19 10 | tr 'A-Zx' 'a-zX')" show
cli_case empty-moves --size 10 --setup 0 --moves "" show
cli_case all-options --size 6 --setup 5 --depth 2 --time 0.5 --depth0 3 --time1 1e2 --max-moves 40 \
    --games 2 --check --progress selfplay
cli_case size-list --size 4-16 --setup 0,3,8 selfplay
cli_case size-list-mixed --size 5,7-9 --setup 6-8 --games 3 selfplay
cli_case players --engine0 strong --engine1 classic --hash 16 --moves "$(game_line 8 3 29 6)" search 3
cli_case level --level 7 --size 9 think
cli_case match-options match level:3 strong --size 5-7 --setup 0,4 --games 3 --openings 4 --seed 99 --max-moves 50 --depth 2
cli_case help --help
cli_case help-short -h show

# Bad input: every one is refused with a message.
cli_case size-too-small --size 3 show
cli_case size-too-big --size 17 show
cli_case size-word --size eight show
cli_case size-reversed-list --size 9-5 selfplay
cli_case size-empty-item --size 5,,6 selfplay
cli_case setup-out-of-range --setup 9 show
cli_case option-no-value show --size
cli_case unknown-option --fast show
cli_case depth-zero --depth 0 selfplay
cli_case time-negative --time -1 selfplay
cli_case time-hex --time 0x10 selfplay
cli_case time-nan --time nan selfplay
cli_case games-huge --games 99999999999999 selfplay
cli_case malformed-move --moves "F1-D3 C8C6" show
cli_case off-board --moves "J1-J3" show
cli_case leading-zero --moves "B01-B3" show
cli_case row-too-long --moves "B100-B3" show
cli_case empty-square --moves "D4-D6" show
cli_case wrong-side --moves "A2-C2" show
cli_case wrong-distance --moves "B1-B4" show
cli_case capture-with-dash --size 5 --setup 6 --moves "C1xE3 A3-C5" show
cli_case plain-with-x --moves "B1xB3" show
cli_case move-after-win --size 4 --setup 3 --moves "B1xD3 D2-B2 C1-C3" show
cli_case no-pieces --size 4 --setup 0 --moves "B2-B3" show
printf -- '--size\0%s\0--setup\0%s\0--moves\0%s\0show' 11 6 "$(game_line 11 6 23 25)" >"$out_cli/nul-separated"
cli_case record-alone --record game.txt analyse 3
cli_case record-with-size --record game.txt --size 6 show
cli_case record-empty-name --record "" show
cli_case records-directory selfplay --records games --games 2
cli_case engine-unknown --engine fast search 2
cli_case level-with-engine --level 2 --engine1 strong think
cli_case hash-zero --hash 0 search 1
cli_case openings-too-many match strong classic --openings 101

# History inputs: size byte (4 + b % 13), setup byte (b % 9), then actions by b % 8: 0-3 play,
# 4 try and take back, 5-6 undo, 7 redo; a play or try takes one more byte to choose the move.
history_case() {
    local name=$1 hex=$2
    printf '%b' "$(sed 's/\([0-9a-f][0-9a-f]\)/\\x\1/g' <<<"$hex")" >"$out_history/$name"
}
history_case empty-4-0 0000
history_case start-8-3 0403
history_case plays-5-6 0106000001070200030004
history_case undo-redo-8-3 04030001080205070f0d17
history_case try-16-8 0c0804000c01140225031c04
history_case long-12-4 08040001080209030a040b051006110712081309140a
history_case undo-past-start 0705050d15070f0017
history_case restart-replay 0a0700000801100218031d0d15252d070f171f
history_case captures-6-6 02060000000100020003000400050006
history_case play-after-undo 0903000108020d15080309041a05
for size in 0 3 6 9 12; do
    for setup in 1 4 7; do
        bytes=$(printf '%02x%02x' "$size" "$setup")
        for ((step = 0; step < 24; ++step)); do
            case $((step % 6)) in
                4) bytes+=$(printf '%02x%02x' $((8 * step + 4)) $((step * 37 % 256))) ;;
                5) bytes+=$(printf '%02x' $((8 * step + 5 + 2 * (step / 6 % 2)))) ;;
                *) bytes+=$(printf '%02x%02x' $((8 * step % 256)) $((step * 53 % 256))) ;;
            esac
        done
        history_case "mixed-$((size + 4))-$setup" "$bytes"
    done
done
# Long games: mostly moves, some tries, undos and redos, from a fixed linear congruential sequence.
for game in "5 0 600" "7 6 900" "12 3 700" "16 8 500"; do
    read -r size setup length <<<"$game"
    bytes=$(printf '%02x%02x' $((size - 4)) "$setup")
    state=$((size * 1009 + setup))
    for ((i = 0; i < length; ++i)); do
        state=$(((state * 1103515245 + 12345) % 2147483648))
        bytes+=$(printf '%02x' $(((state >> 16) % 256)))
    done
    history_case "long-$size-$setup" "$bytes"
done
# Records: written by the tool for lines on several boards (finished games among them), forms people
# write, and bad records of every kind.
record_case() {
    printf '%b' "$2" >"$out_record/$1"
}
for game in "4 3 1 12" "5 6 3 20" "6 0 5 30" "8 3 7 40" "10 4 11 60" "13 7 13 80" "16 8 17 120"; do
    read -r size setup seed plies <<<"$game"
    "$cli" --size "$size" --setup "$setup" --moves "$(game_line "$size" "$setup" "$seed" "$plies")" record \
        >"$out_record/written-$size-$setup"
done
"$cli" --size 6 --setup 0 --moves "D5xB3 E3-E5 C5-D4 E4-D5 D4-C5 E5-D6 D2xB4" record >"$out_record/both-connect"
record_case result-only '*'
record_case bare-list 'B1-B3 B6-B4 C1-C3'
record_case unnumbered 'B1-B3 A3xC1 C8-C6 *'
record_case glued-numbers '1.B1-B3 A3xC1 2.C8-C6 *'
record_case comments-crlf '\xef\xbb\xbf[Size "8"]\r\n[Event "club"]\r\n\r\n1. B1-B3 {quiet} A3xC1\r\n{over\ntwo lines} 2. C8-C6 *\r\n'
record_case lower-case 'b1-b3 a3XC1 *'
record_case size-out-of-range '[Size "20"]\n\n*'
record_case setup-out-of-range '[Setup "9"]\n\n*'
record_case malformed-tag '[Size 8]\n*'
record_case repeated-tag '[Size "8"]\n[Size "8"]\n*'
record_case tag-after-moves '1. B1-B3\n[Date "x"] *'
record_case unknown-token '1. B1-B3 castles *'
record_case illegal-move '1. B1-B4 *'
record_case wrong-number '1. B1-B3 A3xC1 3. C8-C6 *'
record_case number-without-move '1. B1-B3 A3xC1 2. *'
record_case no-result '1. B1-B3 A3xC1'
record_case move-after-win '[Size "4"]\n\n1. B1xD3 D2-B2 2. C1-C3 0-1'
record_case wrong-result '[Size "4"]\n\n1. B1xD3 D2-B2 1-0'
record_case contradicted-tag '[Result "1-0"]\n\n1. B1-B3 *'
record_case after-result '1. B1-B3 * A3xC1'
record_case open-comment '1. B1-B3 {never closed\n*'
record_case annotated '1. B1-B3 {3589 best B1-B3 3589} H7-G6 {-1 best A2-C2 0}\n2. C8-C6 {2052 ? best D1xA4 4099} G6xC6 {a comment} *\n'
record_case annotated-bad-best '1. B1-B3 {3589 best B1-B9 3589} H7-G6 {-1 ?? best A2-C2 99999999999} *'
# Strong player inputs: size byte (4 + b % 13), setup byte (b % 9), plies (b % 64) with a byte each to
# choose the move, then depth (1 + b % 3) and mode (b % 4: fixed, noisy, stopped, playing) and, for
# the noisy mode, the seed. Every size, each mode, openings and middle games.
for size in 0 2 4 6 8 10 12; do
    for mode in 0 1 2 3; do
        plies=$(((size * 7 + mode * 13) % 40))
        bytes=$(printf '%02x%02x%02x' "$size" $(((size + mode) % 9)) "$plies")
        for ((ply = 0; ply < plies; ++ply)); do bytes+=$(printf '%02x' $(((ply * 97 + size * 31 + mode) % 256))); done
        bytes+=$(printf '%02x%02x%02x' $(((size + mode) % 3)) "$mode" $((size * 11 % 256)))
        printf '%b' "$(sed 's/\([0-9a-f][0-9a-f]\)/\\x\1/g' <<<"$bytes")" >"$out_strong/size-$((size + 4))-mode-$mode"
    done
done
# Engine protocol sessions: every command, good and bad values, both players and a level, searches
# stopped and left to the end of the input.
protocol_case() { printf '%b' "$2" >"$out_protocol/$1"; }
protocol_case ready 'isready\nquit\n'
protocol_case classic-depth 'position size 6 setup 4 moves B1-B3 E1-C3\ngo depth 3\n'
protocol_case strong-depth 'setoption engine strong\nsetoption hash 2\nposition moves F1-D3 H7-H1\ngo depth 4\nnewgame\n'
protocol_case movetime 'setoption engine strong\nposition size 10 setup 7\ngo movetime 20\ngo movetime 0\n'
protocol_case infinite-stop 'setoption engine strong\ngo infinite\nisready\nposition size 5\nstop\ngo depth 2\n'
protocol_case level 'setoption level 4\nposition size 12 setup 5 moves C1xA3 L10xJ12\ngo depth 9\n'
protocol_case decided 'position size 5 setup 3 moves B5-D3 A3xD3 C5xE3 A2-C2 D5-C4 A4xD1\ngo depth 2\n'
protocol_case refusals 'hello\nposition size 3\nposition setup 9\nposition moves B1-B4\nposition sizes\nsetoption speed 3\nsetoption engine fast\nsetoption level 0\ngo\ngo depth 100\ngo movetime -1\nquit now\r\n\t go depth 1 \n'
echo "wrote $(ls "$out_cli" | wc -l) cli, $(ls "$out_history" | wc -l) history, $(ls "$out_record" | wc -l) record, $(ls "$out_strong" | wc -l) strong and $(ls "$out_protocol" | wc -l) protocol inputs"
