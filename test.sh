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
# Every check the set-up makes possible must run (KOVLO_REQUIRE_CHECKS): a
# missing tool fails the run instead of skipping the check. At the end, also
# after a failure, the time of each phase and of each label of the suites.
set -euo pipefail
cd "$(dirname "$0")"
logs=$(mktemp -d)
phases=() phase_name= phase_start=$SECONDS

phase() {
  end_phase
  phase_name=$1 phase_start=$SECONDS
  echo "== $1"
}
end_phase() {
  [ -z "$phase_name" ] || phases+=("$(printf '%5d s  %s' $((SECONDS - phase_start)) "$phase_name")")
  phase_name=
}
# ctest's own summary of the time its tests took, by label (summed over the
# tests, which run two at a time).
label_times() {
  [ -f "$logs/$1" ] || return 0
  echo "-- $1, seconds of test time by label:"
  sed -n '/^Label Time Summary:/,/^$/p' "$logs/$1" | sed '1d; /^$/d'
}
report() {
  local status=$?
  end_phase
  echo "== time of each phase (whole run: $SECONDS s)"
  printf '%s\n' "${phases[@]}"
  label_times asan-suite.log
  label_times suite.log
  rm -rf "$logs"
  exit $status
}
trap report EXIT
trap 'exit 130' INT TERM  # the report also when stopped

phase "set-up"
tools/setup.sh test
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOVLO_TESTS=ON -DKOVLO_BENCH=ON \
  -DKOVLO_REQUIRE_CHECKS=ON >/dev/null

phase "sanitizers: build"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOVLO_SANITIZE=ON \
  -DKOVLO_GTK=OFF -DKOVLO_BENCH=OFF -DKOVLO_REQUIRE_CHECKS=ON >/dev/null
cmake --build build-asan
phase "sanitizers: the suite under ASan + UBSan"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j2 -LE 'valgrind|soak' | tee "$logs/asan-suite.log"

phase "fuzzing: every target for ${KOVLO_FUZZ_SECONDS:-60} s (build included)"
tools/fuzz.sh "${KOVLO_FUZZ_SECONDS:-60}"

phase "the Windows program: build"
tools/windows-build.sh

phase "the suite: build"
cmake --build build
phase "the suite"
ctest --test-dir build --output-on-failure -j2 | tee "$logs/suite.log"
