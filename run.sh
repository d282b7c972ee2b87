#!/usr/bin/env bash
# Sets up, builds and opens the viewer on a folder (default: the current directory).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/tools/setup.sh"
cmake --build "$here/build" --target kovlo
exec "$here/build/app/kovlo" "$@"
