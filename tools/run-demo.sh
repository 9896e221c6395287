#!/usr/bin/env bash
# Installs what is missing, builds, writes the demo books beside the program
# when none are there yet, and starts the program on them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh"
bin="${BUILD_DIR:-$root/build}/bin"
if [ ! -e "$bin/設定/勘定科目" ]; then
  "$bin/mototyou-demo" "$bin"
fi
exec "$bin/mototyou"
