#!/usr/bin/env bash
# Builds korvi (release) and runs the whole pipeline on a small example in
# demo/: a diamond lattice of 10 shells, 1000 walks of 20 steps grafted on a
# sphere of radius 5, and a probe of radius 3 swept from contact out to a
# distance of 25 over directions chosen from the distance.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target korvi
mkdir -p demo
cd demo
korvi=../build-release/korvi
$korvi -g10 -b0
$korvi -l ldmd_10 -s5 -r5 -d0 -e20 -n1000 -i7 walks
$korvi -l ldmd_10 -s5 -r3 -d-25 -t0 -p0 walks
