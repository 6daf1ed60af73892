#!/usr/bin/env bash
# Installs what is missing, builds the program in build/ (with all its
# installation holds: catalogues, help, changelog and manual page; no tests
# or benchmarks) and starts it, passing on any options (--help, --version).
# After it, `cmake --install build` and `(cd build && cpack -G DEB)` work.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
install_packages "${PROGRAM_PACKAGES[@]}"
configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKESTRAV_BUILD_TESTS=OFF -DKESTRAV_BUILD_BENCHMARKS=OFF
build build
exec "$KESTRAV_ROOT/build/bin/kestrav" "$@"
