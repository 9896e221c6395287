#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh"
cd "${BUILD_DIR:-$root/build}"
ctest --output-on-failure -j "$(nproc)"
