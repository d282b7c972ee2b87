#!/usr/bin/env bash
# Sets up, builds and opens the viewer on a folder (default: the current directory).
# Installs only what the viewer needs; a build/ that ./test.sh configured is kept as it is.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/tools/setup.sh" run
if [ ! -f "$here/build/CMakeCache.txt" ]; then
  cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKOVLO_TESTS=OFF -DKOVLO_BENCH=OFF >/dev/null
fi
cmake --build "$here/build" --target kovlo
exec "$here/build/app/kovlo" "$@"
