#!/usr/bin/env bash
set -u
# Soak: self-play over every board size and setup with the position checker after every move,
# in fixed-depth games and in timed games whose time-outs strike mid-search. A longer run for
# manual use is described in the README.
#   test_soak.sh TOOL [PART]   PART: small-boards (4 to 14), large-boards (15 and 16), timed, or all
# The three parts take about as long as each other, so that they can run side by side.
source "$(dirname "$0")/lib.sh"
part=${2:-all}
case $part in
  small-boards | large-boards | timed | all) ;;
  *) echo "unknown soak part '$part'"; exit 2 ;;
esac

run_series() {
  local name=$1
  shift
  local out status=0
  out=$("$CLI" selfplay --check "$@" 2>&1) || status=$?
  local summary
  summary=$(printf '%s\n' "$out" | tail -1)
  if [ "$status" -ne 0 ] || ! printf '%s' "$summary" | grep -Eq '^[0-9]+ games: [0-9]+ wins for side 0, [0-9]+ wins for side 1, [0-9]+ unfinished'; then
    echo "FAIL soak $name: status $status"; printf '%s\n' "$out" | tail -5
    failures=$((failures + 1))
  fi
  echo "soak $name: $summary, $(printf '%s\n' "$out" | grep -c '^result') games, $(printf '%s\n' "$out" | grep -v -E '^(game|result|[0-9]+ games)' | wc -w) moves"
}

# wanted PART: the part is asked for.
wanted() { [ "$part" = all ] || [ "$part" = "$1" ]; }

# Every size and setup pair plays once at a fixed depth; TARNWICK_SOAK=quick (the sanitizer build) plays
# them at a smaller depth, and fewer timed games.
if [ "${TARNWICK_SOAK:-}" = quick ]; then
  fixed=(--depth 2 --max-moves 200)
  wanted small-boards && run_series fixed-depth-2-small --size 4-14 --setup 0-8 --games 99 "${fixed[@]}"
  wanted large-boards && run_series fixed-depth-2-large --size 15-16 --setup 0-8 --games 18 "${fixed[@]}"
  wanted timed && run_series timed --size 5,9,13,16 --setup 8 --games 4 --depth 9 --time 0.03 --max-moves 30
else
  fixed=(--depth 3 --max-moves 300)
  wanted small-boards && run_series fixed-depth-3-small --size 4-14 --setup 0-8 --games 99 "${fixed[@]}"
  wanted large-boards && run_series fixed-depth-3-large --size 15-16 --setup 0-8 --games 18 "${fixed[@]}"
  wanted timed && run_series timed --size 4-16 --setup 5 --games 13 --depth 9 --time 0.03 --max-moves 50
fi
finish
