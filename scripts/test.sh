#!/usr/bin/env bash
# Installs what is missing, builds Kestrav twice with its tests and benchmarks
# and warnings as errors (a normal build in build-test/, and one with
# AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/) and runs
# every test in both. build/ belongs to start.sh and is left alone.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
install_packages "${PROGRAM_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
install_test_locale
options=(-DKESTRAV_BUILD_TESTS=ON -DKESTRAV_BUILD_BENCHMARKS=ON -DKESTRAV_WERROR=ON)
configure build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}"
build build-test
configure build-asan -DCMAKE_BUILD_TYPE=Debug -DKESTRAV_SANITIZE=ON "${options[@]}"
build build-asan
export QT_QPA_PLATFORM=offscreen
(cd "$KESTRAV_ROOT/build-asan" && ctest --output-on-failure -j "$(nproc)")
cd "$KESTRAV_ROOT/build-test" && ctest --output-on-failure -j "$(nproc)"
