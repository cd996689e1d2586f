# Sourced by the comparing scripts: builds the tool of a revision and of the working tree side by
# side, in Release, each in a folder of its own under $tmp.
#   two_builds ROOT REV TMP  ->  $TMP/old/build/tarnwick-cli and $TMP/new/build/tarnwick-cli
# The working tree is taken as it is: tracked files as they are now, plus new files that git does
# not ignore. A failed build prints its log and ends the script.
two_builds() {
    local root=$1 rev=$2 tmp=$3 commit which
    commit=$(git -C "$root" rev-parse --verify --quiet "$rev^{commit}") || { echo "$0: unknown revision '$rev'" >&2; exit 2; }
    echo "== sources: $rev ($(git -C "$root" log -1 --format='%h %s' "$commit")) and the working tree"
    mkdir -p "$tmp/old" "$tmp/new"
    git -C "$root" archive "$commit" | tar -x -C "$tmp/old"
    (cd "$root" && git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' f; do [ -f "$f" ] && printf '%s\0' "$f"; done |
        tar --null -T - -c) | tar -x -C "$tmp/new"
    local generator=()
    command -v ninja >/dev/null && generator=(-G Ninja)
    for which in old new; do
        echo "== building $which (Release)"
        cmake -S "$tmp/$which" -B "$tmp/$which/build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
            -DTARNWICK_DESKTOP=OFF -DTARNWICK_TESTS=OFF >"$tmp/$which.log" 2>&1 &&
            cmake --build "$tmp/$which/build" --target tarnwick-cli -j "$(nproc)" >>"$tmp/$which.log" 2>&1 ||
            { cat "$tmp/$which.log" >&2; echo "$0: the build of $which failed" >&2; exit 1; }
    done
}
