#!/usr/bin/env bash
# Sets up, builds and opens the viewer on a folder (default: the sample
# photographs the build paints into build/samples/). Installs only what the
# viewer needs; a build/ that ./test.sh configured is kept as it is.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/tools/setup.sh" run
if [ ! -f "$here/build/CMakeCache.txt" ]; then
  cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKOVLO_TESTS=OFF -DKOVLO_BENCH=OFF >/dev/null
fi
cmake --build "$here/build" --target kovlo samples
if [ $# -eq 0 ]; then
    set -- "$here/build/samples"
fi
exec "$here/build/app/kovlo" "$@"
