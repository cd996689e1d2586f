#!/usr/bin/env bash
set -u
# match: a line per game, each opening twice with the sides swapped, and a last line whose counts,
# score and Elo follow from the game lines. Fixed-depth players make every run the same.
source "$(dirname "$0")/lib.sh"
dir=$(mktemp -d)
trap 'rm -rf "$dir" "$errfile"' EXIT

out=$("$CLI" match strong classic --depth 2 --games 7 --size 6,8 --setup 0-8 --records "$dir/games" 2>"$errfile")
out_plain=$out
games=$(printf '%s\n' "$out" | grep -c '^game ')
[ "$games" = 8 ] || { echo "FAIL match: $games game lines for --games 7 (made even: 8)"; failures=$((failures + 1)); }
line_form='^game [0-9]+: size [0-9]+ setup [0-8] opening "[^"]*": side 0 (strong|classic), side 1 (strong|classic): (1-0|0-1|\* \(move cap\)|\* \(no legal move\)) after [0-9]+ moves, (A wins|B wins|unfinished)$'
bad=$(printf '%s\n' "$out" | grep '^game ' | grep -Evc "$line_form")
[ "$bad" = 0 ] || { echo "FAIL match: $bad game lines out of form:"; echo "$out"; failures=$((failures + 1)); }

# Each opening twice in a row, the sides swapped; the openings go round the setups, sizes slower.
printf '%s\n' "$out" | grep '^game ' | awk -F'"' '
    { split($1, w, " "); opening[NR] = w[4] " " w[6] " " $2; sides[NR] = $3 }
    END {
        for (i = 1; i <= NR; i += 2) {
            if (opening[i] != opening[i + 1]) { print "FAIL match: games " i " and " i + 1 " differ in opening"; bad = 1 }
            if (sides[i] !~ /side 0 strong, side 1 classic/ || sides[i + 1] !~ /side 0 classic, side 1 strong/) {
                print "FAIL match: games " i " and " i + 1 " do not swap the sides"; bad = 1
            }
        }
        if (opening[1] !~ /^6 0 / || opening[3] !~ /^6 1 / || opening[5] !~ /^6 2 /) { print "FAIL match: setups not in turn"; bad = 1 }
        exit bad
    }' || failures=$((failures + 1))

# The last line, worked out again from the game lines: an unfinished game counts half, and the Elo
# interval comes from the spread of the games' results.
expected=$(printf '%s\n' "$out" | grep '^game ' | awk '
    /A wins$/ { w++ } /B wins$/ { l++ } /unfinished$/ { u++ }
    function elo(p) { return -400 * log(1 / p - 1) / log(10) }
    END {
        n = w + l + u; p = (w + u / 2) / n; sd = sqrt(((w + u / 4) / n - p * p) / n)
        lo = p - 1.96 * sd; hi = p + 1.96 * sd
        e = (p >= 1) ? "inf" : (p <= 0) ? "-inf" : sprintf("%.0f", elo(p) + 0)
        if (e == "-0") e = "0"
        m = (lo > 0 && hi < 1) ? sprintf("%.0f", (elo(hi) - elo(lo)) / 2) : "inf"
        printf "strong vs classic: %d wins, %d losses, %d unfinished, score %.1f%%, Elo %s +- %s", w, l, u, 100 * p, e, m
    }')
[ "$(printf '%s\n' "$out" | tail -1)" = "$expected" ] ||
  { echo "FAIL match summary: '$(printf '%s\n' "$out" | tail -1)', expected '$expected'"; failures=$((failures + 1)); }
[ ! -s "$errfile" ] || { echo "FAIL match: progress on standard error that is no terminal"; failures=$((failures + 1)); }

# Every game was kept, and each record replays to a position whose result it names.
records=$(ls "$dir/games" | wc -l)
[ "$records" = 8 ] || { echo "FAIL match --records: $records records"; failures=$((failures + 1)); }
"$CLI" --record "$dir/games/game-0008.txt" show >/dev/null ||
  { echo "FAIL match --records: the last record does not load"; failures=$((failures + 1)); }

# The same command gives the same games; another seed other openings, and no random move at all
# with --openings 0.
again=$("$CLI" match strong classic --depth 2 --games 7 --size 6,8 --setup 0-8)
[ "$again" = "$out" ] || { echo "FAIL match: not the same on a second run"; failures=$((failures + 1)); }
other=$("$CLI" match strong classic --depth 2 --games 8 --size 6,8 --setup 0-8 --seed 2 | grep '^game ' | cut -d'"' -f2)
[ "$other" != "$(printf '%s\n' "$out" | grep '^game ' | cut -d'"' -f2)" ] ||
  { echo "FAIL match --seed: the same openings"; failures=$((failures + 1)); }
none=$("$CLI" match level:2 level:1 --games 4 --size 7 --openings 0 | grep -c 'opening "":')
[ "$none" = 4 ] || { echo "FAIL match --openings 0: $none games without opening moves"; failures=$((failures + 1)); }

# The move cap ends a game unfinished, and an unfinished game counts half.
capped=$("$CLI" match classic classic --depth 1 --games 2 --max-moves 3)
[ "$(printf '%s\n' "$capped" | tail -1)" = "classic vs classic: 0 wins, 0 losses, 2 unfinished, score 50.0%, Elo 0 +- 0" ] &&
  printf '%s\n' "$capped" | head -1 | grep -q '\* (move cap) after 3 moves, unfinished$' ||
  { echo "FAIL match --max-moves:"; echo "$capped"; failures=$((failures + 1)); }

# Players from outside: the tool's own engine protocol and the tool called once per move play the
# very games of the built-in strong player at a fixed depth, and the match referees every move.
builtin=$("$CLI" match strong classic --depth 3 --games 4 --size 6,7)
through_engine=$("$CLI" match "engine:$CLI --engine strong engine" classic --depth 3 --games 4 --size 6,7)
[ "$through_engine" = "${builtin//strong/engine:$CLI --engine strong engine}" ] ||
  { echo "FAIL match engine: player:"; echo "$through_engine"; echo "expected:"; echo "$builtin"; failures=$((failures + 1)); }
through_cli=$("$CLI" match "cli:$CLI:strong" classic --depth 3 --games 4 --size 6,7)
[ "$through_cli" = "${builtin//strong/cli:$CLI:strong}" ] ||
  { echo "FAIL match cli: player:"; echo "$through_cli"; failures=$((failures + 1)); }

# An engine that answers an illegal move, one that names no move, and one that ends: each loses
# the game and the line says why.
cat >"$dir/illegal.sh" <<'ENGINE'
while read -r line; do case "$line" in isready) echo readyok ;; go*) echo "bestmove A1-A2" ;; quit) exit 0 ;; esac; done
ENGINE
cat >"$dir/none.sh" <<'ENGINE'
while read -r line; do case "$line" in isready) echo readyok ;; go*) echo "bestmove none" ;; quit) exit 0 ;; esac; done
ENGINE
out=$("$CLI" match strong "engine:bash $dir/illegal.sh" --depth 1 --games 2 --size 6)
printf '%s\n' "$out" | sed -n 1p | grep -Eq ": 1-0 after [0-9]+ moves, A wins: side 1 forfeits: illegal move 'A1-A2': .+$" &&
  printf '%s\n' "$out" | sed -n 2p | grep -Eq ": 0-1 after 2 moves, A wins: side 0 forfeits: illegal move 'A1-A2': .+$" &&
  printf '%s\n' "$out" | tail -1 | grep -q ': 2 wins, 0 losses, 0 unfinished' ||
  { echo "FAIL match illegal move:"; echo "$out"; failures=$((failures + 1)); }
out=$("$CLI" match "engine:bash $dir/none.sh" strong --depth 1 --games 2 --size 6 --openings 0)
printf '%s\n' "$out" | sed -n 1p | grep -Eq ': 0-1 after 0 moves, B wins: side 0 forfeits: no move given, with [0-9]+ legal moves$' ||
  { echo "FAIL match no move:"; echo "$out"; failures=$((failures + 1)); }
out=$("$CLI" match strong "engine:$dir/no-such-engine" --depth 1 --games 2 --size 6)
printf '%s\n' "$out" | sed -n 1p | grep -Eq 'side 1 forfeits: the engine ended' &&
  printf '%s\n' "$out" | tail -1 | grep -q ': 2 wins, 0 losses' ||
  { echo "FAIL match engine that cannot run:"; echo "$out"; failures=$((failures + 1)); }

# Jobs play the same games, reported in the same order; a sequential test ends the match once the
# ratio crosses a bound, after a whole pair, and says so on the line before the last.
jobs=$("$CLI" match strong classic --depth 2 --games 7 --size 6,8 --setup 0-8 --jobs 3)
[ "$jobs" = "$out_plain" ] || { echo "FAIL match --jobs:"; echo "$jobs"; failures=$((failures + 1)); }
sprt=$("$CLI" match strong classic --depth 3 --size 6 --sprt 0 300 --jobs 2)
games=$(printf '%s\n' "$sprt" | grep -c '^game ')
printf '%s\n' "$sprt" | tail -2 | head -1 | grep -Eqx 'SPRT \[0, 300\]: LLR -?[0-9]+\.[0-9]{2} \(-2\.94, 2\.94\): (H0|H1) accepted' &&
  [ $((games % 2)) = 0 ] && [ "$games" -lt 100 ] ||
  { echo "FAIL match --sprt:"; echo "$sprt"; failures=$((failures + 1)); }
capped=$("$CLI" match strong classic --depth 1 --size 6 --sprt 0 5 --games 4 --alpha 0.01 --beta 0.1)
[ "$(printf '%s\n' "$capped" | grep -c '^game ')" = 4 ] &&
  printf '%s\n' "$capped" | tail -2 | head -1 | grep -Eqx 'SPRT \[0, 5\]: LLR -?[0-9]+\.[0-9]{2} \(-2\.29, 4\.50\): undecided' ||
  { echo "FAIL match --sprt with --games:"; echo "$capped"; failures=$((failures + 1)); }

expect_error match-one-player      'match needs two players'            match strong
expect_error match-unknown-player  "'fast' is not a player"             match strong fast
expect_error match-level-range     "'level:11' is not a player"         match level:11 strong
expect_error match-time-and-depth  '--time or --depth, not both'        match strong classic --time 1 --depth 3
expect_error match-with-engine     'goes without --engine and --level'  --engine strong match strong classic
expect_error match-with-moves      'plays its own openings'             --moves B1-B3 match strong classic
expect_error match-openings-range  "--openings: '101'"                  match strong classic --openings 101
expect_error match-no-command      "'engine:' names no command"         match strong engine:
expect_error match-no-program      "'cli:' names no program"            match cli: strong
expect_error match-sprt-order      "--sprt: '10 0' is not two Elo"      match strong classic --sprt 10 0
expect_error match-sprt-missing    '--sprt needs two Elo differences'   match strong classic --sprt 5
expect_error match-alpha-alone     '--alpha and --beta only with --sprt' match strong classic --alpha 0.1
expect_error match-beta-range      "--beta: '0.5' is not a probability" match strong classic --sprt 0 5 --beta 0.5
expect_error match-jobs-range      "--jobs: '0'"                        match strong classic --jobs 0
finish
