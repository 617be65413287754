#!/usr/bin/env bash
# Builds the libFuzzer programs of fuzz/ with clang in build-fuzz/ and fuzzes
# one target: scripts/fuzz.sh TARGET [SECONDS]. New inputs collect in
# build-fuzz/corpus/TARGET (seeded from tests/fuzz/TARGET), crashing inputs in
# build-fuzz/artifacts/TARGET/. Targets: jkl lwk mab option_file command_line fields.
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?usage: scripts/fuzz.sh TARGET [SECONDS]}
seconds=${2:-600}
bash scripts/deps.sh clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKORVI_FUZZ=ON -DKORVI_TESTS=OFF >/dev/null
cmake --build build-fuzz -j2 --target "fuzz_$target"
mkdir -p "build-fuzz/corpus/$target" "build-fuzz/artifacts/$target"
exec "build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" \
    -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$target/" \
    "build-fuzz/corpus/$target" "tests/fuzz/$target"
