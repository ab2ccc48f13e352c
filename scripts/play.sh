#!/usr/bin/env bash
# Sets up what is missing, builds, and starts the game with the repository as its working
# directory, where res/ is and where save.cfg and tilemap.bmp are written.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cd "$root"
exec "$root/build/vellmoran"
