#!/usr/bin/env bash
set -u
# cmake --install puts the tool and its manual page under the prefix, and in a build with the desktop
# program also the program, its page, the desktop entry and the icons.
source "$(dirname "$0")/lib.sh"
build=$(dirname "$CLI")
prefix=$(mktemp -d)
trap 'rm -rf "$prefix" "$errfile"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL cmake --install"; exit 1; }
desktop=$(sed -n 's/^TARNWICK_DESKTOP:BOOL=//p' "$build/CMakeCache.txt")

[ -x "$prefix/bin/tarnwick-cli" ] || { echo "FAIL missing bin/tarnwick-cli"; failures=$((failures + 1)); }
"$prefix/bin/tarnwick-cli" perft 1 | grep -qx 36 || { echo "FAIL installed tool does not run"; failures=$((failures + 1)); }
gzip -dc "$prefix/share/man/man6/tarnwick-cli.6.gz" 2>/dev/null | grep -q '^\.TH TARNWICK-CLI 6' ||
  { echo "FAIL manual page of the tool"; failures=$((failures + 1)); }
if ! [[ $desktop =~ ^(ON|TRUE|YES|1)$ ]]; then
  # Without the desktop program nothing of it is installed.
  left=$(cd "$prefix" && ls bin/tarnwick share/applications share/icons share/man/man6/tarnwick.6.gz 2>/dev/null)
  [ -z "$left" ] || { echo "FAIL installed without the desktop program: $left"; failures=$((failures + 1)); }
  finish
  exit 0
fi

[ -x "$prefix/bin/tarnwick" ] || { echo "FAIL missing bin/tarnwick"; failures=$((failures + 1)); }
gzip -dc "$prefix/share/man/man6/tarnwick.6.gz" 2>/dev/null | grep -q '^\.TH TARNWICK 6' ||
  { echo "FAIL manual page of the program"; failures=$((failures + 1)); }
desktop=$prefix/share/applications/tarnwick.desktop
grep -qx 'Exec=tarnwick' "$desktop" && grep -qx 'Icon=tarnwick' "$desktop" ||
  { echo "FAIL desktop entry"; failures=$((failures + 1)); }
for size in 32 48 64 128; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/tarnwick.png
  # PNG signature, then the IHDR width and height.
  header=$(od -An -tx1 -N24 "$icon" 2>/dev/null | tr -d ' \n')
  hex=$(printf '%08x' "$size")
  [ "${header:0:16}" = 89504e470d0a1a0a ] && [ "${header:32:8}" = "$hex" ] && [ "${header:40:8}" = "$hex" ] ||
    { echo "FAIL icon $size: header $header"; failures=$((failures + 1)); }
done
# The icon shows the piece: its centre pixel has the side-0 piece colour, not the square's.
if command -v convert >/dev/null; then
  pixel=$(convert "$prefix/share/icons/hicolor/64x64/apps/tarnwick.png" -crop 1x1+32+32 -depth 8 txt:- | tail -1)
  case "$pixel" in *"(1"[4-8]?","[6-9]?","[1-4]?")"*) ;; *) echo "FAIL icon centre: $pixel"; failures=$((failures + 1)) ;; esac
fi
finish
