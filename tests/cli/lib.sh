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

finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures failed"
    exit 1
  fi
  echo "all passed"
}
