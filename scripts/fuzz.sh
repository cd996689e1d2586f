#!/usr/bin/env bash
# Builds the five libFuzzer targets with clang (address and undefined-behaviour sanitizers) in
# build-fuzz/ and runs each for a quarter of SECONDS (default 60) from a copy of its committed seed
# corpus in tests/fuzz/corpus/. New inputs go to a temporary directory, never into the repository.
# Exits non-zero on any crash, sanitizer report or failed check; the input that failed is kept
# under build-fuzz/artifacts/ and printed in base64.
#   bash scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."

total=${1:-60}
targets=(cli history record strong protocol)
if ! [[ $total =~ ^[0-9]+$ ]] || [ "$total" -lt ${#targets[@]} ]; then
    echo "usage: scripts/fuzz.sh [SECONDS]   (a whole number, at least ${#targets[@]})" >&2
    exit 2
fi
per_target=$((total / ${#targets[@]}))

bash scripts/install-deps.sh
if ! command -v clang++ >/dev/null; then
    echo "fuzz.sh: clang++ not found (Debian packages clang and libclang-rt-14-dev)" >&2
    exit 1
fi

build="build-fuzz"
generator=()
[ -f "$build/CMakeCache.txt" ] || ! command -v ninja >/dev/null || generator=(-G Ninja)
cmake -S . -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
    -DTARNWICK_FUZZ=ON -DTARNWICK_DESKTOP=OFF -DTARNWICK_TESTS=OFF >/dev/null
cmake --build "$build" -j 2 --target "${targets[@]/#/fuzz_}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
artifacts=$build/artifacts
mkdir -p "$artifacts"

failed=()
for target in "${targets[@]}"; do
    corpus=$work/$target
    cp -r "tests/fuzz/corpus/$target" "$corpus"
    echo "== fuzz_$target: ${per_target}s from $(ls "$corpus" | wc -l) seed inputs"
    rm -f "$artifacts/$target-"*
    log=$work/$target.log
    status=0
    "$build/fuzz_$target" "$corpus" -max_total_time="$per_target" -timeout=10 -max_len=4096 \
        -print_final_stats=1 -artifact_prefix="$artifacts/$target-" >"$log" 2>&1 || status=$?
    # The progress lines are many; keep the start, the last coverage line, and everything after it.
    grep -E '^INFO: seed corpus|INITED' "$log" || true
    grep -E '^#[0-9]+' "$log" | grep -v INITED | tail -n 1 || true
    grep -vE '^#[0-9]+|^INFO:' "$log" | tail -n 60
    if [ "$status" -ne 0 ]; then
        failed+=("fuzz_$target (exit $status)")
        for crash in "$artifacts/$target-"*; do
            [ -f "$crash" ] || continue
            echo "failing input $crash (base64): $(base64 -w0 "$crash")"
        done
    fi
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "fuzz.sh: FAILED: ${failed[*]}" >&2
    exit 1
fi
echo "fuzz.sh: every target ran ${per_target}s without a finding"
