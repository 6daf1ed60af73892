#!/usr/bin/env bash
# Installs what is missing, builds Kestrav twice with its tests and benchmarks
# and warnings as errors (a normal build in build-test/, and one with
# AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/) and runs
# every test in both; replays and runs the catalogue fuzzer (build-fuzz/) for
# a minute. build/ belongs to start.sh and is left alone.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
install_packages "${PROGRAM_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
install_test_locale
options=(-DKESTRAV_BUILD_TESTS=ON -DKESTRAV_BUILD_BENCHMARKS=ON -DKESTRAV_WERROR=ON)
configure build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}"
build build-test
configure build-asan -DCMAKE_BUILD_TYPE=Debug -DKESTRAV_SANITIZE=ON "${options[@]}"
build build-asan
# ---- The catalogue fuzzer (clang's libFuzzer), in its own build folder: the
# seed corpus replayed, then 60 s of fuzzing from it in a scratch corpus. ----
install_packages clang-14 libclang-rt-14-dev
CXX=clang++-14 configure build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRAV_FUZZ=ON \
  -DKESTRAV_BUILD_TESTS=OFF
build build-fuzz kestrav-fuzz-catalogue
fuzzer="$KESTRAV_ROOT/build-fuzz/bin/kestrav-fuzz-catalogue"
fuzz_work="$(mktemp -d)"
"$fuzzer" -runs=0 "$KESTRAV_ROOT/fuzz/corpus"
"$fuzzer" -max_total_time=60 -timeout=25 -rss_limit_mb=4096 -max_len=20000 -seed=1 \
  -artifact_prefix="$KESTRAV_ROOT/build-fuzz/" "$fuzz_work" "$KESTRAV_ROOT/fuzz/corpus"
rm -rf "$fuzz_work"
# ---- end of the fuzzer ----
export QT_QPA_PLATFORM=offscreen
(cd "$KESTRAV_ROOT/build-asan" && ctest --output-on-failure -j "$(nproc)")
cd "$KESTRAV_ROOT/build-test" && ctest --output-on-failure -j "$(nproc)"
