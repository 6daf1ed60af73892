#!/usr/bin/env bash
# Installs what is missing, builds Kestrav twice (a normal build, and one with
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs every test in both.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
install_packages
configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
configure_and_build build-asan -DCMAKE_BUILD_TYPE=Debug -DKESTRAV_SANITIZE=ON
export QT_QPA_PLATFORM=offscreen
(cd "$KESTRAV_ROOT/build-asan" && ctest --output-on-failure -j "$(nproc)")
cd "$KESTRAV_ROOT/build" && ctest --output-on-failure -j "$(nproc)"
