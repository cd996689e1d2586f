#!/usr/bin/env bash
# Installs what is missing, builds Tarnwick and runs every test: unit, command-line and in-process
# desktop tests, the desktop program under Xvfb, then the same tests built with AddressSanitizer and
# UndefinedBehaviorSanitizer, and a bounded fuzzing run of the tool's parsing and of random move
# sequences.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
# The desktop tests spend most of their time waiting for the program and the X server: twice as many
# tests as cores keep the processors busy.
test_jobs=$((2 * jobs))
started=$SECONDS
stage() { printf '\n== %s (%ds)\n' "$1" $((SECONDS - started)); }

stage "installing what is missing"
bash scripts/install-deps.sh

# configure DIR OPTIONS...: a build directory made earlier keeps its generator, a new one uses Ninja;
# everything is built and tested, whatever the directory was configured with before.
configure() {
  local dir=$1
  shift
  local generator=(-G Ninja)
  [ ! -f "$dir/CMakeCache.txt" ] || generator=()
  cmake -S . -B "$dir" "${generator[@]}" -DTARNWICK_DESKTOP=ON -DTARNWICK_TESTS=ON "$@" >/dev/null
}

stage "Release build and tests"
configure build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$test_jobs"

stage "sanitizer build and tests"
# Any report fails the run: the build uses -fno-sanitize-recover=all, and leaks are errors in the
# logic's tests. The desktop tests switch the leak check off for the program itself, whose toolkit
# font caches are never freed (see tests/gui/lib.sh). The soak runs a shorter series here.
configure build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNWICK_SANITIZE=address,undefined
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  TARNWICK_SOAK=quick ctest --test-dir build-sanitize --output-on-failure -j "$test_jobs"

stage "fuzzing (about a minute)"
bash scripts/fuzz.sh 60

stage "done"
