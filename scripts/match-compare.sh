#!/usr/bin/env bash
# Measures the strength of the working tree's strong player against a revision's.
#
#   scripts/match-compare.sh REV [MATCH OPTIONS]
#
# Builds REV (any git revision, e.g. main~3) and the working tree as it is (uncommitted changes
# included) in Release, each in a temporary folder, then plays the working tree's strong player
# against REV's with the working tree's match: each opening twice, the sides swapped, one game of
# each pair after the other. REV's player speaks the engine protocol when its tool has one and keeps
# its tables from move to move; an older tool is called once per move (cli:). The options go to
# match as they are; without any it plays 200 games at 0.1 s a move on 8 x 8 over every setup.
# Prints match's lines; the last one is the working tree's result.
#   scripts/match-compare.sh fe34365 --time 1 --games 100 --setup 0-8 --jobs 2
#   scripts/match-compare.sh main~1 --sprt 0 10 --setup 0-8 --jobs 2
set -euo pipefail

[ $# -ge 1 ] || { echo "usage: $0 REV [MATCH OPTIONS]" >&2; exit 2; }
rev=$1
shift
options=("$@")
[ ${#options[@]} -gt 0 ] || options=(--time 0.1 --games 200 --setup 0-8)

root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/two-builds.sh"
tmp=$(mktemp -d "${TMPDIR:-/tmp}/match-compare.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
two_builds "$root" "$rev" "$tmp"
old="$tmp/old/build/tarnwick-cli"
new="$tmp/new/build/tarnwick-cli"

if [ "$(printf 'isready\nquit\n' | "$old" engine 2>/dev/null | head -1)" = readyok ]; then
    opponent="engine:$old --engine strong engine"
else
    opponent="cli:$old:strong"
fi
echo "== $rev's strong player: ${opponent%%:*}"
echo "== match strong $rev ${options[*]}"
"$new" match strong "$opponent" "${options[@]}" | sed "s|$old|$rev|g"
