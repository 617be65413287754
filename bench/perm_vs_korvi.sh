#!/usr/bin/env bash
# The total excluded volume of one sweep, with its standard error, from
# korvi + korvi-stats and from korvi-perm + korvi-stats at equal CPU time.
# Walks of 200 steps start at the origin of a diamond lattice of 90 shells on
# a first sphere of radius 5 (-s5 -r5 -d0); the sweep moves a probe of radius
# 3 from contact out to 25 (-s5 -r3 -d-25 -t0 -p0). korvi grows 20,000 walks
# per seed (five seeds by default), which korvi-stats weighs by replaying
# their growth; korvi-perm then runs as many tours as fill the CPU time that
# korvi and its sweep took together (from a pilot run's cost per tour and the
# sweep's cost per walk), writing one walk per tour (PER_TOUR; 0: all), whose
# weights korvi-stats reads from the walks' weight lines. Printed per
# side: CPU seconds of the walks and of the sweep, n_eff, the excluded volume
# by weight with its jackknife error; last the ratio of the errors at equal
# CPU time. About two minutes of CPU and 1.5 GB at the peak with five seeds.
#
#   bash bench/perm_vs_korvi.sh [SEEDS [PER_TOUR]]
set -euo pipefail
cd "$(dirname "$0")/.."
seeds=${1:-5}
per_tour=${2:-1}
source bench/setup.sh
bench_setup korvi korvi-stats korvi-perm

# Runs a command with its streams in files OUT and ERR; prints its user plus
# system CPU seconds.
cpu_of() {
    local out=$1 err=$2 TIMEFORMAT='%3U %3S'
    shift 2
    { time "$@" >"$out" 2>"$err"; } 2>&1 | awk '{ print $1 + $2 }'
}
add() { awk -v a="$1" -v b="$2" 'BEGIN { print a + b }'; }

# Column COLUMN of the total row of a korvi-stats table, by its name.
total() {
    awk -F'\t' -v name="$2" '/^# kind\t/ { sub(/^# /, ""); for (i = 1; i <= NF; ++i) column[$i] = i }
        $1 == "total" { print $(column[name]) }' "$1"
}
n_eff() { grep -o 'n_eff = [0-9.]* of [0-9]* walks' "$1" | head -1 || echo "n_eff ?"; }

sweep=(-l ldmd_90 -s5 -r3 -d-25 -t0 -p0)
"$bin/korvi" -g90 -b0 >/dev/null 2>&1

# korvi: walks grown by its generator, weighed by korvi-stats' replay.
korvi_walks=0
for ((seed = 1; seed <= seeds; ++seed)); do
    t=$(cpu_of /dev/null korvi.err "$bin/korvi" -l ldmd_90 -s5 -r5 -d0 -e200 -n20000 -i$seed "k$seed")
    korvi_walks=$(add "$korvi_walks" "$t")
    cat "k$seed.lwk" >>korvi.lwk
    rm "k$seed.lwk"
done
korvi_sweep=$(cpu_of korvi.tsv korvi-stats.err "$bin/korvi-stats" "${sweep[@]}" korvi)
walks=$((seeds * 20000))

# korvi-perm: a run of one tour gives the cost of starting (the lattice read),
# a pilot of 20 x 100 tours the cost per tour and the walks per tour, and the
# sweep of the pilot's walks beside korvi's sweep the cost of a sweep per walk.
start=$(cpu_of /dev/null start.err "$bin/korvi-perm" -l ldmd_90 -s5 -r5 -d0 -e200 -n1 -k1 -i1)
pilot=$(cpu_of pilot.tsv pilot.err "$bin/korvi-perm" -l ldmd_90 -s5 -r5 -d0 -e200 -n100 -k20 -i1 -w$per_tour pilot)
pilot_walks=$(grep -c '^wlk' pilot.lwk)
pilot_sweep=$(cpu_of /dev/null pilot-stats.err "$bin/korvi-stats" "${sweep[@]}" pilot)
budget=$(add "$korvi_walks" "$korvi_sweep")
tours=$(awk -v budget="$budget" -v start="$start" -v pilot="$pilot" -v written="$pilot_walks" \
    -v pilot_sweep="$pilot_sweep" -v sweep="$korvi_sweep" -v walks="$walks" 'BEGIN {
        per_walk = (sweep - pilot_sweep) / (walks - written)
        sweep_start = pilot_sweep - written * per_walk
        cost = (pilot - start) / 2000 + written / 2000 * per_walk  # of one tour
        print int((budget - start - sweep_start) / cost) }')
batches=20
per_batch=$(((tours + batches - 1) / batches))
if ((per_batch > 21474)); then  # the largest number an option takes
    batches=$(((tours + 21473) / 21474))
    per_batch=$(((tours + batches - 1) / batches))
fi
perm_walks=$(cpu_of perm.tsv perm.err "$bin/korvi-perm" -l ldmd_90 -s5 -r5 -d0 -e200 \
    -n$per_batch -k$batches -i2 -w$per_tour perm)
perm_sweep=$(cpu_of perm-stats.tsv perm-stats.err "$bin/korvi-stats" "${sweep[@]}" perm)

korvi_error=$(total korvi.tsv volume_w_err)
perm_error=$(total perm-stats.tsv volume_w_err)
printf 'walks of 200 steps, diamond 90 shells, -s5 -r5 -d0; sweep -r3 -d-25 -t0 -p0; CPU seconds\n'
printf 'korvi      %7d walks: %6.1f s + korvi-stats %6.1f s; %s; volume_w %s +- %s (counted %s +- %s)\n' \
    "$walks" "$korvi_walks" "$korvi_sweep" "$(n_eff korvi.tsv)" "$(total korvi.tsv volume_w)" \
    "$korvi_error" "$(total korvi.tsv volume)" "$(total korvi.tsv volume_err)"
printf 'korvi-perm %7d walks of %d x %d tours: %6.1f s + korvi-stats %6.1f s; %s; volume_w %s +- %s\n' \
    "$(grep -c '^wlk' perm.lwk)" "$batches" "$per_batch" "$perm_walks" "$perm_sweep" \
    "$(n_eff perm-stats.tsv)" "$(total perm-stats.tsv volume_w)" "$perm_error"
grep '^# Z_N\|^# ln Z_N\|^# walks of' perm.tsv | sed 's/^# /korvi-perm: /'
if [ "$perm_error" = nan ]; then
    echo "korvi-stats gave no weighted values for korvi-perm's walks:"
    grep -i 'rosenbluth\|weight' perm-stats.err | head -2
    exit 0
fi
# Errors fall as one over the square root of the CPU time: the ratio at equal time.
awk -v k="$korvi_error" -v p="$perm_error" -v tk="$budget" -v tp="$(add "$perm_walks" "$perm_sweep")" \
    'BEGIN { printf "error ratio korvi / korvi-perm at equal CPU time: %.1f\n", k / (p * sqrt(tp / tk)) }'
