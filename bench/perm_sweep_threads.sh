#!/usr/bin/env bash
# korvi-perm's probe sweep at close range on one thread and on every
# processor: walks of 100 steps on a diamond lattice of 99 shells grafted on
# the first sphere -S5 -R5 -D0, a probe -s5 -r3 -d-25 -t0 -p0, 20 batches of
# 100 tours per position. Prints the wall seconds and peak memory of each run,
# the speed-up, whether the tables agree byte for byte, and the largest error
# of a free energy below 20 kT. About 10 s on one core.
#
#   bench/perm_sweep_threads.sh [TOURS]
set -euo pipefail
cd "$(dirname "$0")/.."
tours=${1:-100}
source bench/setup.sh
bench_setup korvi korvi-perm measure

"$bin/korvi" -g99 -b0 >/dev/null 2>&1
cpus=$(nproc)
for threads in 1 "$cpus"; do
    figures=$("$bin/bench/measure" -o sweep-j$threads.tsv "$bin/korvi-perm" -x -l ldmd_99 \
        -s5 -r3 -d-25 -t0 -p0 -S5 -R5 -D0 -e100 -n"$tours" -k20 -i1 -j"$threads")
    echo "threads $threads: ${figures% *} s, ${figures#* } MiB"
    eval "seconds_$threads=${figures% *}"
done
awk -v a="$seconds_1" -v b="$(eval echo "\$seconds_$cpus")" -v n="$cpus" \
    'BEGIN { printf "speed-up on %d processors: %.2f\n", n, a / b }'
cmp -s sweep-j1.tsv "sweep-j$cpus.tsv" && echo "tables: the same" || echo "tables: DIFFER"
awk -F'\t' '/^# kind\t/ { for (c = 2; c <= NF; ++c) { if ($c == "free_energy_w") v = c;
                                                      if ($c == "free_energy_w_err") e = c } }
            $1 == "position" && $v + 0 < 20 && $v != "inf" { if ($e > m) m = $e; ++n }
            $1 == "position" && ($v == "inf" || $v + 0 >= 20) { ++k }
            END { printf "positions with -ln x < 20: %d, largest error %.3f kT; others: %d\n",
                  n, m, k }' sweep-j1.tsv
grep -E '^# (ln Z|positions|warning|note)' sweep-j1.tsv
