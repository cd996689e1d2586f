# Game records in the tool: record writes them, --record reads them (from a file or standard input) into
# the same game as --moves, selfplay --records keeps every game's, analyse agrees with search, and
# analyse --annotate writes the analysis into the record.
source "$(dirname "$0")/lib.sh"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp" "$errfile"' EXIT

fail() {
  echo "FAIL $1"
  failures=$((failures + 1))
}

# --- record and --record --------------------------------------------------------------------------
expect_output record-of-a-line "$(printf '[Size "8"]\n[Setup "3"]\n[Result "*"]\n\n1. F1-D3 H7-H1 2. C8-C6 A2-C4 *')" \
  --moves "F1-D3 H7-H1 C8-C6 A2-C4" record
expect_output record-of-a-won-game "$(printf '[Size "4"]\n[Setup "3"]\n[Result "0-1"]\n\n1. B1xD3 D2-B2 0-1')" \
  --size 4 --setup 3 --moves "B1xD3 D2-B2" record

# The record of a line gives the same game as the line: the board, and what the commands make of it.
line=(--size 6 --setup 4 --moves "B1-B3 E1-C3 C1-E3 B6xE3")
"$CLI" "${line[@]}" record >"$tmp/game.txt"
for command in show "search 3" stats; do
  # shellcheck disable=SC2086
  expect_output "record-file-$command" "$("$CLI" "${line[@]}" $command)" --record "$tmp/game.txt" $command
  # shellcheck disable=SC2086
  expect_output "record-stdin-$command" "$("$CLI" "${line[@]}" $command)" --record - $command <"$tmp/game.txt"
done

printf '[Size "6"]\n[Setup "4"]\n\n1. B1-B3\nB6-B3 *\n' >"$tmp/bad.txt"
expect_error record-illegal-move "^tarnwick-cli: $tmp/bad.txt:5: 'B6-B3': move 2: not a legal move in this position$" \
  --record "$tmp/bad.txt" show
expect_error record-stdin-refused "^tarnwick-cli: stdin:1: 'castles': not a move" --record - show <<<"castles *"
expect_error record-no-result "^tarnwick-cli: stdin:1: 'B1-B3': the record does not end with a result" \
  --record - show <<<"1. B1-B3"
expect_error record-missing "^tarnwick-cli: option --record: cannot read '$tmp/none.txt': No such file or directory$" \
  --record "$tmp/none.txt" show
for other in "--size 6" "--setup 4" "--moves B1-B3"; do
  # shellcheck disable=SC2086
  expect_error "record-with-${other%% *}" "option --record cannot be combined with ${other%% *}" --record "$tmp/game.txt" $other show
done
expect_error record-takes-no-arguments 'record takes no arguments' record 3
expect_error record-not-for-a-series '--record is for one game' --record "$tmp/game.txt" selfplay --games 2

# --- selfplay --records ---------------------------------------------------------------------------
# Each game's record is the record of the moves it printed, on its size and setup.
"$CLI" selfplay --size 5 --setup 6,7 --games 2 --depth 1 --max-moves 30 --records "$tmp/games/new" >"$tmp/selfplay.txt" ||
  fail "selfplay --records: exit status $?"
[ "$(ls "$tmp/games/new" | tr '\n' ' ')" = "game-0001.txt game-0002.txt " ] || fail "selfplay --records: files $(ls "$tmp/games/new")"
mapfile -t played < <(grep -v -e '^game ' -e '^result' -e ' games: ' "$tmp/selfplay.txt")
for game in 1 2; do
  expected=$("$CLI" --size 5 --setup $((5 + game)) --moves "${played[game - 1]}" record)
  [ "$(cat "$tmp/games/new/game-000$game.txt")" = "$expected" ] || fail "selfplay --records: game $game's record"
done
: >"$tmp/file"
expect_error records-not-a-directory "^tarnwick-cli: option --records: cannot make the directory $tmp/file: Not a directory$" \
  selfplay --max-moves 1 --depth 1 --records "$tmp/file"

# --- analyse --------------------------------------------------------------------------------------
# Exact lines on a known game: a drop of 512 is no mistake, 2000 to 3000 is "?", more is "??".
expect_output analyse-known "$(cat <<'TXT'
1 F1-D3 played 1534 best B1-B3 3589 ?
2 H7-H1 played -2050 best A3xD3 4612 ??
3 C8-C6 played 4101 best B8-B6 6663 ?
4 A2-C4 played 0 best H1-F3 512
side 0: 2 moves, 2 marked ?, 0 marked ??
side 1: 2 moves, 0 marked ?, 1 marked ??
TXT
)" --moves "F1-D3 H7-H1 C8-C6 A2-C4" analyse 3
# B1xD3 walks into a loss that a win was on offer against; D2-B2 wins, a move that ends the game is scored
# by the evaluation, and a win is never marked against a faster win.
expect_output analyse-decided "$(cat <<'TXT'
1 B1xD3 played -1081607170 best B1-B3 1081606658 ??
2 D2-B2 played 1081606146 best D2xB4 1081607682
side 0: 1 moves, 0 marked ?, 1 marked ??
side 1: 1 moves, 0 marked ?, 0 marked ??
TXT
)" --size 4 --setup 3 --moves "B1xD3 D2-B2" analyze 3

# check_analysis DEPTH SIZE SETUP MOVES: every line's best move and score are those of `search DEPTH` on the
# position before the move, and the score played is the negated score of `search DEPTH-1` after it (the
# evaluation after it for depth 1, or when the move ends the game).
check_analysis() {
  local depth=$1 size=$2 setup=$3 moves=($4) out i before after best score won
  out=$("$CLI" --size "$size" --setup "$setup" --moves "${moves[*]}" analyse "$depth" 2>"$tmp/stderr")
  [ -s "$tmp/stderr" ] && fail "analyse: standard error is no terminal, yet it got: $(cat "$tmp/stderr")"
  mapfile -t lines <<<"$out"
  [ "${#lines[@]}" -eq $((${#moves[@]} + 2)) ] || { fail "analyse $depth on $size/$setup: ${#lines[@]} lines"; return; }
  for ((i = 0; i < ${#moves[@]}; i++)); do
    before=(--size "$size" --setup "$setup" --moves "${moves[*]:0:i}")
    after=(--size "$size" --setup "$setup" --moves "${moves[*]:0:i+1}")
    read -r _ best _ score _ < <("$CLI" "${before[@]}" search "$depth")
    won=$("$CLI" "${after[@]}" show | grep -c 'has won')
    if [ "$depth" -eq 1 ] || [ "$won" -eq 1 ]; then
      played=$("$CLI" "${after[@]}" eval)
    else
      read -r _ _ _ played _ < <("$CLI" "${after[@]}" search $((depth - 1)))
      played=$((-played))
    fi
    expected="$((i + 1)) ${moves[i]} played $played best $best $score"
    [[ ${lines[i]} == "$expected" || ${lines[i]} == "$expected ?" || ${lines[i]} == "$expected ??" ]] ||
      fail "analyse $depth on $size/$setup, move $((i + 1)): '${lines[i]}', search says '$expected'"
  done
}
check_analysis 3 6 4 "B1-B3 E1-C3 C1-E3 B6xE3 F5-D5 D1-D4 D6-B4 C6-C4"
check_analysis 2 7 8 "$("$CLI" selfplay --size 7 --setup 8 --depth 1 --max-moves 9 | head -1)"
check_analysis 1 5 6 "C1xE3 A3xC5 E3xC5"
check_analysis 3 4 3 "B1-B3 A2-C2 B4-B2"

# On a terminal, standard error shows the move being analysed.
if command -v script >/dev/null; then
  shown=$(script -qec "'$CLI' --moves 'F1-D3 H7-H1' analyse 3 >/dev/null" /dev/null | tr '\r' '\n')
  printf '%s\n' "$shown" | grep -q '^analysing move 2 of 2: H7-H1' || fail "analyse: no progress on a terminal: $shown"
fi

# --annotate writes the record with each move's line in the comment after it, also from a record; the
# printed analysis stays as it was, and the annotated record reads as the plain one.
annotated=$(cat <<'TXT'
[Size "8"]
[Setup "3"]
[Result "*"]

1. F1-D3 {1534 ? best B1-B3 3589} H7-H1 {-2050 ?? best A3xD3 4612}
2. C8-C6 {4101 ? best B8-B6 6663} A2-C4 {0 best H1-F3 512} *
TXT
)
"$CLI" --moves "F1-D3 H7-H1 C8-C6 A2-C4" record >"$tmp/known.txt"
out=$("$CLI" --record "$tmp/known.txt" analyse 3 --annotate "$tmp/annotated.txt")
[ "$out" = "$("$CLI" --moves "F1-D3 H7-H1 C8-C6 A2-C4" analyse 3)" ] || fail "analyse --annotate: the printed lines changed: $out"
[ "$(cat "$tmp/annotated.txt" 2>/dev/null)" = "$annotated" ] || fail "analyse --annotate: wrote $(cat "$tmp/annotated.txt" 2>&1)"
[ "$("$CLI" --record "$tmp/annotated.txt" record)" = "$(cat "$tmp/known.txt")" ] ||
  fail "an annotated record does not read as the plain one"
"$CLI" --moves "F1-D3" analyse 1 --annotate "$tmp/missing/a.txt" >/dev/null 2>"$tmp/stderr"
status=$?
[ "$status" -eq 1 ] && grep -q "^tarnwick-cli: analyse: cannot write '$tmp/missing/a.txt': " "$tmp/stderr" ||
  fail "analyse --annotate into a missing folder: status $status, $(cat "$tmp/stderr")"
expect_error annotate-other-command 'option --annotate goes only with analyse' --annotate "$tmp/a.txt" record

expect_error analyse-no-depth 'analyse needs a depth' analyse
expect_error analyze-bad-depth "analyze: depth '0'" analyze 0
expect_error analyse-two-depths 'analyse takes one depth' analyse 3 4

finish
