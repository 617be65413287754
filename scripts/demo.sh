#!/usr/bin/env bash
# Builds korvi (release) and runs it on a small built-in example. For now the
# example is the program's help; the run modes join as they are built.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DKORVI_TESTS=OFF >/dev/null
cmake --build build-release -j"$(nproc)" --target korvi
./build-release/korvi
