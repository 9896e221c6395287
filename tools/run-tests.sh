#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; then builds the same
# tests with AddressSanitizer and UndefinedBehaviorSanitizer in a folder of
# their own (build-sanitize/, or $BUILD_DIR-sanitize) and runs them again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/tools/install-deps.sh"

BUILD_DIR=$build "$root/tools/build.sh"
(cd "$build" && ctest --output-on-failure -j "$(nproc)")

# Unoptimised with line tables only: it compiles faster than the normal build
# and keeps assertions on, while the stack traces still name file and line.
BUILD_DIR=$build-sanitize "$root/tools/build.sh" -DMOTOTYOU_SANITIZE=ON \
  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O0 -g1"
(cd "$build-sanitize" && ctest --output-on-failure -j "$(nproc)")
