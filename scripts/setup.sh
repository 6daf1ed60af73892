#!/usr/bin/env bash
# Installs the Debian packages Kestrav needs (as root), and configures and
# builds a tree. Sourced by start.sh and test.sh; safe to run again: it
# installs only what is missing.
set -euo pipefail

KESTRAV_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# What building and running the program needs (dpkg-dev: dpkg-buildflags,
# the distribution's hardening flags).
PROGRAM_PACKAGES=(
  g++ cmake ninja-build pkg-config dpkg-dev
  libsqlite3-dev qt6-base-dev qt6-qpa-plugins fonts-dejavu-core fonts-dejavu-extra
)
# What the tests and benchmarks add (the packaging test's checkers:
# lintian, hardening-check from devscripts, appstreamcli, desktop-file-validate).
TEST_PACKAGES=(
  libgtest-dev libgmock-dev libbenchmark-dev libqt6test6
  xvfb xauth x11-utils xdotool imagemagick
  valgrind lintian devscripts appstream desktop-file-utils
  locales dbus at-spi2-core python3-pyatspi
)

# install_packages PACKAGE...
install_packages() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# The tests run the window under a locale that writes a decimal comma as well
# (numbers must still show with a point): generate de_DE.UTF-8 once.
install_test_locale() {
  locale -a 2>/dev/null | grep -ix 'de_DE\.utf-\?8' >/dev/null && return
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)$/\1/' /etc/locale.gen
  grep -qx 'de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen
}

# configure DIR [cmake options...]
configure() {
  local dir="$1"; shift
  cmake -S "$KESTRAV_ROOT" -B "$KESTRAV_ROOT/$dir" -G Ninja "$@"
}

# build DIR [targets...]: every target of the tree when none are named.
build() {
  local dir="$1"; shift
  local targets=()
  (($#)) && targets=(--target "$@")
  cmake --build "$KESTRAV_ROOT/$dir" -j "$(nproc)" "${targets[@]}"
}
