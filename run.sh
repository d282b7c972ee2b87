#!/usr/bin/env bash
# Sets up, builds and opens the viewer on a folder (default: the sample
# photographs the build paints into build/samples/).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/tools/setup.sh"
cmake --build "$here/build" --target kovlo samples
if [ $# -eq 0 ]; then
    set -- "$here/build/samples"
fi
exec "$here/build/app/kovlo" "$@"
