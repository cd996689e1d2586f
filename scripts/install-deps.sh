#!/usr/bin/env bash
# Installs the Debian 12 packages that Tarnwick's scripts need and that this machine lacks; skips what
# is there. A package removed with its configuration files left behind counts as missing.
#   bash scripts/install-deps.sh          everything: building, the tests, fuzzing and packaging
#   bash scripts/install-deps.sh play     only what building and running the game needs
# As root it installs with apt-get, otherwise through sudo; without sudo it names the missing packages
# and the command that installs them, and exits with status 1.
set -euo pipefail

# Building and running the game. FLTK's CMake package refers to fluid, so configuring needs it too.
play_packages=(g++ cmake ninja-build libfltk1.3-dev fluid)
# The tests: Google Test, and Google Benchmark for the benchmarks built with them; the desktop tests
# (a private X server, clicks and keys, the clipboard through xclip, screenshots read with ImageMagick,
# a font for the labels, ps for the program's state, xprop from x11-utils to tell the menu's window);
# fuzzing with clang; the Debian package (dpkg-shlibdeps and file compute its dependencies) and the
# checks of the desktop entry and the manual pages.
test_packages=(
  libgtest-dev libbenchmark-dev
  xvfb xdotool xclip imagemagick fonts-dejavu-core procps x11-utils
  clang libclang-rt-14-dev
  dpkg-dev file desktop-file-utils groff-base
)

case "${1:-all}" in
  play) packages=("${play_packages[@]}") ;;
  all) packages=("${play_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: scripts/install-deps.sh [play]" >&2; exit 2 ;;
esac

installed() {
  [ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" = installed ]
}

missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

install_command="apt-get update && apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo_cmd=()
elif command -v sudo >/dev/null; then
  sudo_cmd=(sudo)
else
  echo "Missing Debian packages: ${missing[*]}" >&2
  echo "Install them as root with: $install_command" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
