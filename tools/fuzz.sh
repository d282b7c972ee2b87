#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each one for
# SECONDS (default 60) from a seed corpus that the target writes itself, two
# at a time. Corpora and any crash files stay in build-fuzz/corpus/<target>/.
#   tools/fuzz.sh            every target, 60 s each
#   tools/fuzz.sh 3600 loader_fuzz exif_fuzz    a long run of two targets
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKOVLO_FUZZ=ON -DKOVLO_BENCH=OFF -DKOVLO_GTK=OFF >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/*_fuzz.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi
cmake --build build-fuzz --target "${targets[@]}"

run_one() {
  local target=$1 dir=build-fuzz/corpus/$1
  mkdir -p "$dir"
  KOVLO_FUZZ_SEEDS="$dir" "build-fuzz/fuzz/$target" >/dev/null 2>&1 || true
  # The JPEG library reports every damaged file on stderr: keep libFuzzer's own
  # lines only (close_fd_mask=2 closes the target's stderr, not libFuzzer's).
  if (cd build-fuzz/corpus && "../fuzz/$target" -max_total_time="$seconds" -close_fd_mask=2 \
        -print_final_stats=1 -artifact_prefix="$target-" "$target" >"$target.log" 2>&1); then
    echo "fuzz: $target: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "build-fuzz/corpus/$target.log" | grep -o '[0-9]*$') runs in ${seconds} s, no finding"
  else
    echo "fuzz: $target FAILED; see build-fuzz/corpus/$target.log"
    tail -40 "build-fuzz/corpus/$target.log"
    return 1
  fi
}

status=0
pids=()
for target in "${targets[@]}"; do
  run_one "$target" &
  pids+=($!)
  if [ ${#pids[@]} -eq 2 ]; then
    wait "${pids[0]}" || status=1
    pids=("${pids[1]}")
  fi
done
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
exit $status
