#!/usr/bin/env bash
set -u
# The engine protocol through real pipes: a session answered line by line, a stop that ends an
# infinite search while it runs, and the end of the input that ends the process.
source "$(dirname "$0")/lib.sh"
move='[A-P][0-9]+[-x][A-P][0-9]+'

# A whole session written at once: the end of the input ends it, with status 0.
out=$(printf 'isready\nposition moves B1-B3\ngo depth 3\nbogus\n' | "$CLI" engine) ||
  { echo "FAIL engine status $?"; failures=$((failures + 1)); }
expected="readyok
$("$CLI" --moves B1-B3 search 3 | cut -d' ' -f1-2)
error: unknown command 'bogus'"
[ "$out" = "$expected" ] || { echo "FAIL engine session:"; echo "$out"; echo "expected:"; echo "$expected"; failures=$((failures + 1)); }

# wait_for PATTERN SECONDS: reads the engine's lines until one matches; prints it.
wait_for() {
  local line
  while IFS= read -r -t "$2" line <&"${ENGINE[0]}"; do
    if printf '%s\n' "$line" | grep -Eqx -- "$1"; then printf '%s\n' "$line"; return 0; fi
  done
  return 1
}

# stop during go infinite: the search deepens (info lines come) until the stop, then answers at once
# with a move; the process goes on and ends with quit.
coproc ENGINE { "$CLI" --engine strong engine; }
echo "go infinite" >&"${ENGINE[1]}"
wait_for "info depth [0-9]+ score -?[0-9]+ nodes [0-9]+ time [0-9]+ pv( $move)+" 30 >/dev/null ||
  { echo "FAIL engine: no info line from go infinite"; failures=$((failures + 1)); }
sleep 0.3
echo "stop" >&"${ENGINE[1]}"
wait_for "bestmove $move" 10 >/dev/null || { echo "FAIL engine: no bestmove after stop"; failures=$((failures + 1)); }
echo "isready" >&"${ENGINE[1]}"
wait_for "readyok" 10 >/dev/null || { echo "FAIL engine: no readyok after the search"; failures=$((failures + 1)); }
pid=$ENGINE_PID
echo "quit" >&"${ENGINE[1]}"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "FAIL engine quit status $status"; failures=$((failures + 1)); }

expect_error engine-arguments 'engine takes no arguments' engine 3
expect_error engine-position 'engine reads its positions from its input' --size 6 engine
finish
