#!/usr/bin/env bash
set -u
# The manual pages: groff renders them without a warning, and every command and option that a program's
# --help prints is described in its page. The desktop program's switches come from the toolkit's own
# list, which it prints for --help as for any switch it does not know.
source "$(dirname "$0")/lib.sh"
build=$(dirname "$CLI")
pages=$(cd "$(dirname "$0")/../../man" && pwd)

# render PAGE: the page as plain text, one paragraph a line (no hyphenation, no line breaks in it).
render() { groff -man -Tascii -P-cbou -rLL=1000n -rHY=0 "$1" 2>/dev/null; }

# options HELP: every option word of a usage text, one a line; "-di[splay]" stands for -display.
options() {
  grep -oE '(^|[][ ])--?[a-z][a-z0-9+-]*(\[[a-z]+\])?' <<<"$1" | sed -E 's/^[][ ]//; s/\[([a-z]+)\]$/\1/' | sort -u
}

# commands HELP: the first word of every line indented by exactly two blanks, a command of the tool.
commands() { sed -nE 's/^  ([a-z][a-z-]*)( .*)?$/\1/p' <<<"$1" | sort -u; }

# check_page PAGE HELP: the page renders cleanly and names every option anywhere and every command at the
# start of an item.
check_page() {
  local page=$1 help=$2 text word warnings
  warnings=$(groff -ww -z -man "$page" 2>&1)
  [ -z "$warnings" ] || { echo "FAIL $page: groff warns: $warnings"; failures=$((failures + 1)); }
  text=$(render "$page")
  [ -n "$(options "$help")" ] || { echo "FAIL $page: no option found in the --help text"; failures=$((failures + 1)); }
  while read -r word; do
    [ -n "$word" ] || continue
    grep -qE -- "(^|[^a-z0-9-])$word([^a-z0-9-]|\$)" <<<"$text" ||
      { echo "FAIL $(basename "$page"): option $word of --help is not described"; failures=$((failures + 1)); }
  done <<<"$(options "$help")"
  while read -r word; do
    [ -n "$word" ] || continue
    grep -qE -- "^ +$word( |\$)" <<<"$text" ||
      { echo "FAIL $(basename "$page"): command $word of --help has no item"; failures=$((failures + 1)); }
  done <<<"$(commands "$help")"
  for section in NAME SYNOPSIS DESCRIPTION "EXIT STATUS" EXAMPLES; do
    grep -qx "$section" <<<"$text" || { echo "FAIL $(basename "$page"): no $section section"; failures=$((failures + 1)); }
  done
}

check_page "$pages/tarnwick-cli.6" "$("$CLI" --help)"
if [ -x "$build/tarnwick" ]; then
  help=$(env -u DISPLAY -u WAYLAND_DISPLAY timeout 10 "$build/tarnwick" --help 2>&1)
  check_page "$pages/tarnwick.6" "$help"
fi

finish
