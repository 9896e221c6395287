#!/usr/bin/env bash
# Installs what is missing, builds, writes the demo books beside the program
# when none are there yet, and starts the program on them. Without a display
# it prints the current month's ledgers with postings into a PDF instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh"
build="${BUILD_DIR:-$root/build}"
bin="$build/bin"
if [ ! -e "$bin/設定/勘定科目" ]; then
  "$bin/mototyou-demo" "$bin"
fi
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  month=$(date +%Y-%m)
  echo "No display to open the window on; printing the demo books of $month instead."
  exec "$bin/mototyou" --month "$month" --pdf "$build/ledgers-$month.pdf" --print posted
fi
exec "$bin/mototyou"
