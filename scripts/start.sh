#!/usr/bin/env bash
# Installs what is missing, builds the program (with its catalogues and help,
# no tests or benchmarks) and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
install_packages "${PROGRAM_PACKAGES[@]}"
configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKESTRAV_BUILD_TESTS=OFF -DKESTRAV_BUILD_BENCHMARKS=OFF
build build kestrav
exec "$KESTRAV_ROOT/build/bin/kestrav"
