#!/usr/bin/env bash
# Builds the benchmarks in release mode (build-bench/, no tests) and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DKORVI_TESTS=OFF >/dev/null
cmake --build build-bench -j2 --target lattice_bench >/dev/null
./build-bench/bench/lattice_bench
