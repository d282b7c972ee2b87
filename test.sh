#!/usr/bin/env bash
# Sets up, builds and runs every test:
#   1. the whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer
#      (build-asan/, no display needed);
#   2. a short run of every fuzz target (build-fuzz/, clang's libFuzzer);
#   3. the Windows program, build-windows/kovlo.exe (MinGW-w64 cross-build),
#      with its zip and installer;
#   4. the whole suite (build/): unit tests, end-to-end replay scenarios, the
#      real window under Xvfb, the Windows program under Wine, valgrind over
#      replay scenarios and the reload soak.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh test
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOVLO_TESTS=ON -DKOVLO_BENCH=ON \
  >/dev/null

echo "== sanitizers: the suite under ASan + UBSan"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOVLO_SANITIZE=ON \
  -DKOVLO_GTK=OFF -DKOVLO_BENCH=OFF >/dev/null
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j2 -LE 'valgrind|soak'

echo "== fuzzing: every target for ${KOVLO_FUZZ_SECONDS:-60} s"
tools/fuzz.sh "${KOVLO_FUZZ_SECONDS:-60}"

echo "== the Windows program"
tools/windows-build.sh

echo "== the suite"
cmake --build build
ctest --test-dir build --output-on-failure -j2
