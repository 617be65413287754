#!/usr/bin/env bash
# Builds korvi and runs every test. With "asan" as argument the build uses
# AddressSanitizer and UndefinedBehaviorSanitizer in a directory of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
if [ "${1:-}" = "asan" ]; then
    dir=build-asan
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DKORVI_SANITIZE=ON >/dev/null
else
    dir=build
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$dir" -j"$(nproc)"
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
