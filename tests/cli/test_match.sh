#!/usr/bin/env bash
set -u
# match: a line per game, each opening twice with the sides swapped, and a last line whose counts,
# score and Elo follow from the game lines. Fixed-depth players make every run the same.
source "$(dirname "$0")/lib.sh"
dir=$(mktemp -d)
trap 'rm -rf "$dir" "$errfile"' EXIT

out=$("$CLI" match strong classic --depth 2 --games 7 --size 6,8 --setup 0-8 --records "$dir/games" 2>"$errfile")
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

expect_error match-one-player      'match needs two players'            match strong
expect_error match-unknown-player  "'fast' is not a player"             match strong fast
expect_error match-level-range     "'level:11' is not a player"         match level:11 strong
expect_error match-time-and-depth  '--time or --depth, not both'        match strong classic --time 1 --depth 3
expect_error match-with-engine     'goes without --engine and --level'  --engine strong match strong classic
expect_error match-with-moves      'plays its own openings'             --moves B1-B3 match strong classic
expect_error match-openings-range  "--openings: '101'"                  match strong classic --openings 101
finish
