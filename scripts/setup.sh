#!/usr/bin/env bash
# Installs what building and testing Kestrav needs (Debian packages, as root),
# then configures and builds the tree in BUILD_DIR (default: build).
# Sourced by start.sh and test.sh; safe to run again: it installs only what is missing.
set -euo pipefail

KESTRAV_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
PACKAGES=(
  g++ cmake ninja-build pkg-config
  libsqlite3-dev libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-qpa-plugins libqt6test6 fonts-dejavu-core fonts-dejavu-extra
  xvfb xauth x11-utils xdotool imagemagick
  valgrind dpkg-dev lintian
)

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
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

# configure_and_build DIR [cmake options...]
configure_and_build() {
  local dir="$1"; shift
  cmake -S "$KESTRAV_ROOT" -B "$KESTRAV_ROOT/$dir" -G Ninja "$@"
  cmake --build "$KESTRAV_ROOT/$dir" -j "$(nproc)"
}
