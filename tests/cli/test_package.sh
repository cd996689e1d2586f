#!/usr/bin/env bash
set -u
# The Debian package that `cpack -G DEB` makes of the build, inspected with dpkg-deb without installing
# it: its name, its control fields with the dependencies computed from the binaries, and its files.
source "$(dirname "$0")/lib.sh"
build=$(cd "$(dirname "$CLI")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work" "$errfile"' EXIT

desktop=$(sed -n 's/^TARNWICK_DESKTOP:BOOL=//p' "$build/CMakeCache.txt")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
deb=$work/tarnwick_${version}_${arch}.deb

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || [ ! -f "$deb" ]; then
  echo "FAIL cpack made no $(basename "$deb")"; cat "$work/cpack.log"; ls "$work"
  exit 1
fi

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tarnwick ] && [ "$(field Version)" = "$version" ] && [ "$(field Architecture)" = "$arch" ] ||
  { echo "FAIL control: $(field Package) $(field Version) $(field Architecture)"; failures=$((failures + 1)); }
field Maintainer | grep -Eq '^[^<>]+ <[^<>@ ]+@[^<>@ ]+>$' || { echo "FAIL maintainer '$(field Maintainer)'"; failures=$((failures + 1)); }
# A synopsis line, then a longer text.
[ "$(field Description | wc -l)" -ge 3 ] || { echo "FAIL description: $(field Description)"; failures=$((failures + 1)); }

# The dependencies are those of the binaries: the C and C++ libraries, and FLTK for the desktop program.
expected_files=(usr/bin/tarnwick-cli usr/share/man/man6/tarnwick-cli.6.gz)
expected_depends=(libc6 libstdc++6)
if [[ $desktop =~ ^(ON|TRUE|YES|1)$ ]]; then
  expected_files+=(usr/bin/tarnwick usr/share/applications/tarnwick.desktop usr/share/man/man6/tarnwick.6.gz)
  for size in 32 48 64 128; do expected_files+=("usr/share/icons/hicolor/${size}x${size}/apps/tarnwick.png"); done
  expected_depends+=(libfltk1.3)
fi
depends=$(field Depends)
names=$(sed 's/ ([^)]*)//g; s/ *| */\n/g; s/, */\n/g' <<<"$depends")
for package in "${expected_depends[@]}"; do
  grep -qxF "$package" <<<"$names" || { echo "FAIL Depends lacks $package: $depends"; failures=$((failures + 1)); }
done
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | sort)
expected=$(printf '%s\n' "${expected_files[@]}" | sort)
[ "$files" = "$expected" ] || { echo "FAIL files:"; diff <(echo "$expected") <(echo "$files"); failures=$((failures + 1)); }

# What the package holds works: the tool runs, the desktop entry is valid, the pages are readable.
dpkg-deb -x "$deb" "$work/root"
"$work/root/usr/bin/tarnwick-cli" perft 1 | grep -qx 36 || { echo "FAIL the packaged tool does not run"; failures=$((failures + 1)); }
if [ -f "$work/root/usr/share/applications/tarnwick.desktop" ]; then
  desktop-file-validate "$work/root/usr/share/applications/tarnwick.desktop" ||
    { echo "FAIL the desktop entry does not validate"; failures=$((failures + 1)); }
fi
for page in "$work"/root/usr/share/man/man6/*.6.gz; do
  gzip -dc "$page" | groff -ww -z -man 2>&1 | grep . && { echo "FAIL $(basename "$page") renders with warnings"; failures=$((failures + 1)); }
done
finish
