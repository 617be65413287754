#!/usr/bin/env bash
# Builds korvi in release mode (build-bench/, no tests) and runs the reference
# workloads, one line per figure: lattice generation, walk generation, the
# evaluation sweep scored from memory and by streaming the walk file, and the
# phases of the sweep from memory in milliseconds. Times
# are wall seconds (the best of three runs where a run takes under a minute,
# of ten for the floor and the sweep from memory, which take milliseconds:
# five before the streamed sweep and five after it), memory is the peak
# resident size of the process.
#
# The sweep over 100,000 walks is not streamed to its end (that takes many
# minutes): streaming is timed on 12 positions and extrapolated from its cost
# per position. Every figure with "~" is extrapolated that way.
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/setup.sh
bench_setup korvi measure korvi_paths sweep_phases

measure() { "$bin/bench/measure" "$@"; }

# The faster of two results "seconds MiB" (the first when equal).
faster() {
    if [ -z "$1" ] || awk -v a="${2% *}" -v b="${1% *}" 'BEGIN { exit !(a < b) }'; then
        echo "$2"
    else
        echo "$1"
    fi
}

# The fastest of `runs` runs: "seconds MiB".
best_of() {
    local runs=$1 best="" i
    shift
    for ((i = 0; i < runs; ++i)); do best=$(faster "$best" "$(measure "$@")"); done
    echo "$best"
}

# Lattice generation.
for figure in "diamond 60 -g60 -b0" "fcc 30 -g30 -b3"; do
    set -- $figure
    read -r t m < <(best_of 3 "$bin/korvi" "$3" "$4")
    printf 'lattice  %-7s %2d shells: %7.3f s, peak %6.1f MiB\n' "$1" "$2" "$t" "$m"
done

# Walk generation: 20,000 walks of 50 steps around a sphere of radius 5.
measure "$bin/korvi" -g40 -b0 >/dev/null
read -r t m < <(best_of 3 "$bin/korvi" -l ldmd_40 -s5 -r5 -d0 -e50 -n20000 -i1 walks20k)
printf 'walks    20000 walks of 50 steps, diamond 40 shells: %7.3f s (%.0f walks/s), peak %6.1f MiB\n' \
    "$t" "$(awk -v t="$t" 'BEGIN { print 20000 / t }')" "$m"

# The sweep: a probe of radius 3 from contact out to 25 over directions
# chosen from the distance, on walks of 50 steps around a sphere of radius 5.
measure "$bin/korvi" -g30 -b0 >/dev/null
sweep=(-l ldmd_30 -s5 -r3 -d-25 -t0 -p0)
subset=(-l ldmd_30 -s5 -r3 -d8 -t4 -p5)  # 12 positions
# The option parser takes numbers up to 21474, so the ensemble of 100,000
# walks is made of five runs of 20,000 with seeds 1 to 5.
measure "$bin/korvi" -l ldmd_30 -s5 -r3 -e50 -i1 -n10000 w10000 >/dev/null
for seed in 1 2 3 4 5; do
    measure "$bin/korvi" -l ldmd_30 -s5 -r3 -e50 -i$seed -n20000 "part$seed" >/dev/null
done
cat part?.lwk >w100000.lwk
for walks in 10000 100000; do
    measure -e verbose.txt "$bin/bench/korvi_paths" memory "${sweep[@]}" -v "w$walks" >/dev/null
    positions=$(grep -c '^dist ' verbose.txt)
    # The floor: start, lattice and one pass over the walk file (one
    # streamed position, the probe far away). Floor and fast runs take
    # milliseconds: five of each before the streamed run and five after it,
    # so that no slow spell of the machine covers them all.
    floor_run=("$bin/bench/korvi_paths" stream -l ldmd_30 -s5 -r3 -d1000 "w$walks")
    fast_run=(-o fast.txt "$bin/bench/korvi_paths" memory "${sweep[@]}" "w$walks")
    floor_before=$(best_of 5 "${floor_run[@]}")
    fast_before=$(best_of 5 "${fast_run[@]}")
    if [ "$walks" -le 10000 ]; then
        read -r stream stream_mib < <(measure -o stream.txt "$bin/bench/korvi_paths" stream "${sweep[@]}" "w$walks")
    else
        read -r part stream_mib < <(measure "$bin/bench/korvi_paths" stream "${subset[@]}" "w$walks")
    fi
    read -r floor floor_mib < <(faster "$floor_before" "$(best_of 5 "${floor_run[@]}")")
    read -r fast fast_mib < <(faster "$fast_before" "$(best_of 5 "${fast_run[@]}")")
    if [ "$walks" -le 10000 ]; then
        same=$(cmp -s fast.txt stream.txt && echo "same output" || echo "OUTPUT DIFFERS")
        approx=""
    else
        stream=$(awk -v p="$part" -v f="$floor" -v n="$positions" 'BEGIN { print f + (n - 1) * (p - f) / 11 }')
        same="streaming extrapolated from 12 positions"
        approx="~"
    fi
    awk -v w="$walks" -v n="$positions" -v s="$stream" -v sm="$stream_mib" -v f="$fast" \
        -v fm="$fast_mib" -v fl="$floor" -v flm="$floor_mib" -v a="$approx" -v same="$same" 'BEGIN {
        printf "sweep    %6d walks, %d positions: streaming %s%.3f s (%s%.1f positions/s, peak %.1f MiB), ", w, n, a, s, a, n / s, sm
        printf "fast %.4f s (%.0f positions/s, peak %.1f MiB), ratio %s%.0f; ", f, n / f, fm, a, s / f
        printf "floor %.4f s (peak %.1f MiB), fast/floor %.2f, %.1f bytes per stored step above the floor; %s\n", fl, flm, f / fl, (fm - flm) * 1048576 / (w * 50), same
    }'
done
# The sweep from memory phase by phase, in milliseconds: the fastest of 20
# fresh runs for each phase.
for walks in 10000 100000; do
    printf 'phases   %6d walks: %s\n' "$walks" \
        "$("$bin/bench/sweep_phases" 20 ldmd_30 5 3 -25 "w$walks.lwk" | paste -sd ';' | tr -s ' ')"
done
