#!/usr/bin/env bash
# Builds every program and runs every test, in the developers' build (warnings
# are errors). With "asan" or "tsan" as argument the build uses the
# AddressSanitizer and UndefinedBehaviorSanitizer, or the ThreadSanitizer, in
# a directory of its own (the presets of CMakePresets.json).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
preset=${1:-dev}
case $preset in
    dev | asan | tsan) ;;
    *) echo "usage: scripts/test.sh [asan|tsan]" >&2; exit 2 ;;
esac
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j"$(nproc)"
ctest --preset "$preset" -j"$(nproc)"
