#!/usr/bin/env bash
# Compares the speed of the bench suite between a revision and the working tree.
#
#   scripts/bench-compare.sh REV [RUNS]
#
# Builds REV (any git revision, e.g. main~3) and the working tree as it is (uncommitted changes
# included) in Release, each in a temporary folder, then runs the two benches interleaved RUNS
# times each (default 5) and prints per bench case the median time of each build and their ratio
# (REV / working tree: above 1 means the working tree is faster), then the same for the total. It
# also says whether the two builds give the same results: the speed of a change that alters them
# means nothing.
#
# A bench that prints no time per case (older revisions) is timed case by case instead: each case
# runs as `search DEPTH` on its position, which is the same fixed-depth search, and then both builds
# are timed that way so that the figures stay comparable.
set -euo pipefail

usage() { echo "usage: $0 REV [RUNS]" >&2; exit 2; }
[ $# -ge 1 ] && [ $# -le 2 ] || usage
rev=$1
runs=${2:-5}
[[ $runs =~ ^[1-9][0-9]*$ ]] || usage

root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/two-builds.sh"
tmp=$(mktemp -d "${TMPDIR:-/tmp}/bench-compare.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
two_builds "$root" "$rev" "$tmp"
cli_old="$tmp/old/build/tarnwick-cli"
cli_new="$tmp/new/build/tarnwick-cli"

# A bench line: 'size S setup B depth D moves "M": RESULT' and, in newer builds, ' | T s, R evals/s'.
result_part() { sed -n 's/^\(size .*: bestmove [^|]*[^ |]\)\( |.*\)\{0,1\}$/\1/p'; }
case_times() { sed -n 's/^size .*: bestmove .* | \([0-9.]*\) s, .*$/\1/p'; }

echo "== a first run of each bench"
"$cli_old" bench >"$tmp/old.bench"
"$cli_new" bench >"$tmp/new.bench"
result_part <"$tmp/old.bench" >"$tmp/old.results"
result_part <"$tmp/new.bench" >"$tmp/new.results"
mapfile -t cases <"$tmp/new.results"
[ ${#cases[@]} -gt 0 ] || { echo "$0: the working tree's bench printed no cases" >&2; exit 1; }
if cmp -s "$tmp/old.results" "$tmp/new.results"; then
    same="yes: every case has the same best move, score and evaluations"
else
    same="NO: the results differ (diff below), so the times compare different work"
fi

mode=bench
if [ "$(case_times <"$tmp/old.bench" | wc -l)" -ne ${#cases[@]} ] ||
    [ "$(case_times <"$tmp/new.bench" | wc -l)" -ne ${#cases[@]} ] ||
    ! cmp -s "$tmp/old.results" "$tmp/new.results"; then
    mode=search
fi

# search_times CLI: runs every case of the working tree's bench as its own `search` and prints the
# seconds of each, one a line.
search_times() {
    local line size setup depth moves start
    for line in "${cases[@]}"; do
        size=$(sed 's/^size \([0-9]*\) .*/\1/' <<<"$line")
        setup=$(sed 's/^size [0-9]* setup \([0-9]*\) .*/\1/' <<<"$line")
        depth=$(sed 's/^.* depth \([0-9]*\) moves .*/\1/' <<<"$line")
        moves=$(sed 's/^.* moves "\([^"]*\)": .*/\1/' <<<"$line")
        start=$EPOCHREALTIME
        "$1" --size "$size" --setup "$setup" --moves "$moves" search "$depth" >/dev/null
        awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.6f\n", b - a }'
    done
}

one_run() {  # one_run old|new RUN: the case times of one run into $tmp/times.WHICH.RUN
    local cli=$cli_old
    [ "$1" = new ] && cli=$cli_new
    if [ $mode = bench ]; then
        "$cli" bench | case_times >"$tmp/times.$1.$2"
    else
        search_times "$cli" >"$tmp/times.$1.$2"
    fi
}

echo "== $runs runs of each, interleaved (timing by $mode)"
for ((run = 1; run <= runs; ++run)); do
    # Alternate the order so that neither build always runs right after the other.
    if ((run % 2)); then one_run old $run; one_run new $run; else one_run new $run; one_run old $run; fi
    printf '   run %d of %d done\n' $run "$runs"
done

# Rows: case number, then the old and the new times of every run.
for ((run = 1; run <= runs; ++run)); do
    paste "$tmp/times.old.$run" "$tmp/times.new.$run" | awk -v r=$run '{ print NR, r, $1, $2 }'
done >"$tmp/all"

echo
echo "same results: $same"
[ "${same%%:*}" = yes ] || diff "$tmp/old.results" "$tmp/new.results" || true
echo "median seconds of $runs runs; ratio = $rev / working tree (above 1: the working tree is faster)"
[ $mode = bench ] || echo "each case timed as a whole process: in a case of a few milliseconds the process start dominates"
printf '%s\n' "${cases[@]}" | sed 's/: bestmove.*//' >"$tmp/names"
awk -v runs="$runs" -v revname="$rev" '
    function median(v, n,   i, j, t) {
        for (i = 2; i <= n; ++i) for (j = i; j > 1 && v[j - 1] > v[j]; --j) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
        return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
    }
    FNR == NR { name[FNR] = $0; cases = FNR; next }
    { was[$1, $2] = $3; now[$1, $2] = $4; totalOld[$2] += $3; totalNew[$2] += $4 }
    END {
        printf "%10s %10s %7s  %s\n", revname, "working", "ratio", "case"
        for (c = 1; c <= cases; ++c) {
            for (r = 1; r <= runs; ++r) { a[r] = was[c, r]; b[r] = now[c, r] }
            mo = median(a, runs); mn = median(b, runs)
            printf "%10.6f %10.6f %7s  %s\n", mo, mn, (mn > 0 ? sprintf("%.2f", mo / mn) : "-"), name[c]
        }
        for (r = 1; r <= runs; ++r) { a[r] = totalOld[r]; b[r] = totalNew[r] }
        mo = median(a, runs); mn = median(b, runs)
        printf "%10.6f %10.6f %7s  total (median of the per-run sums)\n", mo, mn, (mn > 0 ? sprintf("%.2f", mo / mn) : "-")
    }' "$tmp/names" "$tmp/all"
