#!/usr/bin/env bash
# korvi-perm's probe sweep beside korvi-stats' Rosenbluth-weighted values on
# walks korvi generated: walks of 50 steps on a diamond lattice of 30 shells
# around the first sphere -s5 -r5 -d0, swept by a probe -r3 -d-25 -t0 -p0.
# Wherever korvi-stats' weighted value has a relative error below 2%, the
# two estimates are compared by z = (perm - stats) / sqrt(err_perm^2 +
# err_stats^2); the script prints how many were compared, their rms and
# largest |z|, per column. Takes a few minutes on two cores.
#
#   bench/perm_sweep_agreement.sh [WALKS_PER_SEED] [TOURS] [SEED]
set -euo pipefail
cd "$(dirname "$0")/.."
walks=${1:-20000}
tours=${2:-100}
perm_seed=${3:-7}
source bench/setup.sh
bench_setup korvi korvi-stats korvi-perm

"$bin/korvi" -g30 -b0 >/dev/null 2>&1
for seed in 1 2 3 4; do
    "$bin/korvi" -l ldmd_30 -s5 -r5 -d0 -e50 -n"$walks" -i"$seed" part$seed >/dev/null 2>&1
done
cat part1.lwk part2.lwk part3.lwk part4.lwk >walks.lwk
"$bin/korvi-stats" -l ldmd_30 -s5 -r3 -d-25 -t0 -p0 -o stats walks >/dev/null 2>stats.log
"$bin/korvi-perm" -x -l ldmd_30 -s5 -r3 -d-25 -t0 -p0 -S5 -R5 -D0 -e50 -n"$tours" -k20 \
    -i"$perm_seed" -o perm >/dev/null 2>perm.log
grep -h 'n_eff' stats.tsv | sed 's/^# /korvi-stats: /'
python3 - stats.tsv perm.tsv <<'PY'
import math, sys

def rows(name):
    names, table = None, []
    for line in open(name):
        if line.startswith('# kind\t'):
            names = line[2:].rstrip('\n').split('\t')
        elif not line.startswith('#'):
            table.append(dict(zip(names, line.rstrip('\n').split('\t'))))
    return table

stats, perm = rows(sys.argv[1]), rows(sys.argv[2])
assert len(stats) == len(perm), 'the tables have different rows'
for column in ['touched_w', 'free_energy_w', 'solid_angle_w', 'area_w', 'volume_w']:
    zs, exact = [], 0
    for s, p in zip(stats, perm):
        value, error = float(s[column]), float(s[column + '_err'])
        if not (math.isfinite(value) and math.isfinite(error)) or value == 0:
            continue
        if error / abs(value) >= 0.02:
            continue
        mine, my_error = float(p[column]), float(p[column + '_err'])
        if error == 0 and my_error == 0:  # both exact (beyond the walks' reach)
            exact += 1
            assert mine == value, f'{column}: {mine} against {value}'
            continue
        zs.append((mine - value) / math.hypot(error, my_error))
        if abs(zs[-1]) > 3:
            print(f'  {column} at {s["kind"]} {s["dist"]} {s["theta"]} {s["phi"]}: '
                  f'korvi-stats {value:.5g} +- {error:.2g}, korvi-perm {mine:.5g} +- {my_error:.2g}')
    if zs:
        rms = math.sqrt(sum(z * z for z in zs) / len(zs))
        print(f'{column}: {len(zs)} rows compared, rms z {rms:.2f}, largest |z| '
              f'{max(abs(z) for z in zs):.2f}; {exact} equal without error')
    else:
        print(f'{column}: no row with a relative error below 2%')
total_s = [r for r in stats if r['kind'] == 'total'][0]
total_p = [r for r in perm if r['kind'] == 'total'][0]
print('excluded volume: korvi-stats %s +- %s (by count %s +- %s), korvi-perm %s +- %s' % (
    total_s['volume_w'], total_s['volume_w_err'], total_s['volume'], total_s['volume_err'],
    total_p['volume_w'], total_p['volume_w_err']))
PY
