#!/usr/bin/env bash
# Sets everything up, builds the game and starts it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
"$top/scripts/build.sh"
exec "$top/build/app/trelvist" "$@"
