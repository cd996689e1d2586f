# Helpers of the command-line tests. Each test script gets the tool's path as $1.
CLI=${1:?usage: $0 path/to/tarnwick-cli}
failures=0
errfile=$(mktemp)
trap 'rm -f "$errfile"' EXIT

# expect_output NAME EXPECTED ARGS...: the tool exits 0 and prints exactly EXPECTED.
expect_output() {
  local name=$1 expected=$2
  shift 2
  local out status=0
  out=$("$CLI" "$@" 2>"$errfile") || status=$?
  if [ "$status" -ne 0 ] || [ "$out" != "$expected" ]; then
    echo "FAIL $name: status $status, output:"; echo "$out"; echo "expected:"; echo "$expected"
    cat "$errfile"
    failures=$((failures + 1))
  fi
}

# expect_error NAME PATTERN ARGS...: exit status 2, nothing on standard output, exactly one line on
# standard error, matching the extended regular expression PATTERN.
expect_error() {
  local name=$1 pattern=$2
  shift 2
  local out err status=0
  out=$("$CLI" "$@" 2>"$errfile") || status=$?
  err=$(cat "$errfile")
  if [ "$status" -ne 2 ] || [ -n "$out" ] || [ "$(printf '%s\n' "$err" | wc -l)" -ne 1 ] ||
     ! printf '%s' "$err" | grep -Eq -- "$pattern"; then
    echo "FAIL $name: status $status, stdout '$out', stderr '$err', expected /$pattern/"
    failures=$((failures + 1))
  fi
}

# check_bench NAME OUTPUT TOTAL_LABEL TOTAL COUNT_WORD RATE_LABEL KNOWN_CASE: a bench's output has the
# fingerprint TOTAL on its "TOTAL_LABEL: " line, the case line KNOWN_CASE (its result part, up to the
# count), at least ten case lines each followed by its time and rate, and a "RATE_LABEL: " line. Tools
# read the result part of a case line; the time and the rate follow it.
check_bench() {
  local name=$1 out=$2 label=$3 expected=$4 word=$5 rate=$6 known=$7 total cases timed
  total=$(printf '%s\n' "$out" | sed -n "s/^$label: //p")
  if [ "$total" != "$expected" ]; then
    echo "FAIL $name fingerprint: got '$total', expected $expected"; failures=$((failures + 1))
  fi
  printf '%s\n' "$out" | awk -v known="$known | " 'index($0, known) == 1 { print substr($0, length(known) + 1) }' |
    grep -Eqx "[0-9]+\.[0-9]{6} s, [0-9]+ $word/s" ||
    { echo "FAIL $name: the known case is missing or changed"; failures=$((failures + 1)); }
  cases=$(printf '%s\n' "$out" | grep -c '^size ')
  timed=$(printf '%s\n' "$out" | grep -Ec "^size [0-9]+ setup [0-9] depth [0-9]+ moves \"[^\"]*\": bestmove ([A-P][0-9]+[-x][A-P][0-9]+|none) score -?[0-9]+ $word [0-9]+ \\| [0-9]+\\.[0-9]{6} s, [0-9]+ $word/s\$")
  if [ "$cases" -lt 10 ] || [ "$timed" != "$cases" ]; then
    echo "FAIL $name: $timed of $cases case lines have the form 'RESULT | T s, R $word/s'"; failures=$((failures + 1))
  fi
  printf '%s\n' "$out" | grep -Eq "^$rate: [0-9]+\$" || { echo "FAIL $name: no rate line"; failures=$((failures + 1)); }
}

finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures failed"
    exit 1
  fi
  echo "all passed"
}
