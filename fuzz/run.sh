#!/usr/bin/env bash
# Builds one libFuzzer harness with clang and runs it on its seed corpus:
#
#   fuzz/run.sh NAME [SECONDS] [libFuzzer options...]
#
# NAME is account_list, carry_forward, slip or ledger_build; SECONDS (600 by
# default) bounds the run. Installs clang and its libFuzzer runtime when
# missing. The corpus grows in build-fuzz/corpus/NAME (seeded by the format
# writer on the first run) and inputs that crash land in
# build-fuzz/artifacts/NAME/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
name=${1:?usage: fuzz/run.sh NAME [SECONDS] [libFuzzer options...]}
seconds=${2:-600}
shift $(($# < 2 ? $# : 2))
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}

"$root/tools/install-deps.sh"
if ! command -v clang++ >/dev/null; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends clang
fi
major=$(clang++ -dumpversion | cut -d. -f1)
if [ ! -e "$(clang++ -print-runtime-dir)/libclang_rt.fuzzer-x86_64.a" ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "libclang-rt-$major-dev"
fi

# Two runs started at once would build the same libraries side by side.
mkdir -p "$build"
exec {lock}>"$build/.build-lock"
flock "$lock"
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMOTOTYOU_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target "fuzz_$name" fuzz_seeds
flock -u "$lock"

corpus=$build/corpus/$name
if [ ! -d "$corpus" ]; then
  "$build/fuzz/fuzz_seeds" "$name" "$corpus"
fi
mkdir -p "$build/artifacts/$name"
# Every run writes its input files; a folder in memory keeps that cheap.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ]; then export TMPDIR=/dev/shm; fi
exec "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=60 -max_len=16384 \
  -print_final_stats=1 -artifact_prefix="$build/artifacts/$name/" "$@" "$corpus"
