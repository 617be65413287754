#!/usr/bin/env bash
# Draws korvi-perm-profile.svg from real runs: the free energy of a probe of
# radius 3 on the axis above the grafting point of chains of 100 steps
# (first sphere -s5 -r5 -d0), from contact outwards: korvi-perm's direct
# estimate with its error band beside korvi-stats' counted values on 40,000
# korvi walks, and where they turn to inf. Each distance is a sweep of one
# position (-t1 -p1). Takes about a minute.
#
#   perm_profile_figure.sh [OUTPUT.svg]
set -euo pipefail
out=$(realpath -m "${1:-korvi-perm-profile.svg}")
korvi=${KORVI:-korvi}
stats=${KORVI_STATS:-korvi-stats}
perm=${KORVI_PERM:-korvi-perm}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

"$korvi" -g99 -b0 >/dev/null 2>&1
for seed in 1 2; do
    "$korvi" -l ldmd_99 -s5 -r5 -d0 -e100 -n20000 -i$seed part$seed >/dev/null 2>&1
done
cat part1.lwk part2.lwk >walks.lwk

# The value and error of a column in the position row of a table.
column() {
    awk -F'\t' -v name="$2" '
        /^# kind\t/ { for (c = 2; c <= NF; ++c) if ($c == name) k = c }
        $1 == "position" { print $k }' "$1"
}

for d in 8 8.5 9 9.3 9.6 9.7 9.8 9.9 10 10.25 10.5 10.75 11 11.5 12 12.5 13 14 15 16 18 20 22 25; do
    "$stats" -l ldmd_99 -s5 -r3 -d$d -t1 -p1 -k20 walks >stats.tsv 2>/dev/null
    "$perm" -x -l ldmd_99 -s5 -r3 -d$d -t1 -p1 -S5 -R5 -D0 -e100 -n200 -k20 -i7 \
        >perm.tsv 2>/dev/null
    echo "$d $(column perm.tsv free_energy_w) $(column perm.tsv free_energy_w_err)" \
        "$(column stats.tsv free_energy) $(column stats.tsv free_energy_err)" >>profile.dat
done

# inf and nan become gnuplot's missing points; where korvi-perm's value is
# inf a mark is drawn at the top instead (korvi-stats' count is inf there too).
awk '{ inf = ($2 == "inf"); for (c = 2; c <= 5; ++c) if ($c !~ /^-?[0-9.e+-]+$/) $c = "NaN"
       print $0, inf }' profile.dat >plot.dat
gnuplot <<GNUPLOT
set terminal svg size 760,480 dynamic noenhanced font 'sans,12' background rgb 'white'
set output '$out'
set title 'probe of radius 3 on the axis above the grafting point; chains of 100 steps, first sphere of radius 5'
set xlabel 'probe distance from the first sphere centre (contact at 8)'
set ylabel 'free energy -ln x (kT)'
set grid lc rgb '#dddddd'
set key at graph 0.98, graph 0.84
set xrange [7.5:25.5]
set yrange [-0.1:1.25]
set style fill transparent solid 0.25 noborder
plot 'plot.dat' using 1:(\$2-\$3):(\$2+\$3) with filledcurves lc rgb '#c0392b' title 'korvi-perm: error band', \
     '' using 1:2 with linespoints lw 2 pt 7 ps 0.5 lc rgb '#c0392b' title 'korvi-perm: Z ratio, 20 x 200 tours a position', \
     '' using 1:4:5 with yerrorbars pt 6 ps 0.7 lc rgb '#1f4e9a' title 'korvi-stats: counted on 40,000 korvi walks', \
     '' using 1:(\$6 > 0 ? 1.15 : 1/0) with points pt 9 ps 1.3 lc rgb '#333333' title 'inf in both: the probe holds the only first step (x = 0 exactly)'
GNUPLOT
echo "Written: $out" >&2
