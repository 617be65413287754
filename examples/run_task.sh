#!/usr/bin/env bash
# Runs one task of a parameter study: the line of study.tsv whose task name
# is given, or line N of the table (N counted from 1 among the tasks).
# Generates the task's walks around a first sphere and sweeps the probe from
# contact out to a distance of 30, writing <task>.lwk, <task>.tsv (the result
# table) and <task>.log (everything korvi said on standard error).
#
#   run_task.sh TASK|N [TABLE] [LATTICE]
set -euo pipefail
task=$1
table=${2:-study.tsv}
lattice=${3:-ldmd_20}
korvi=${KORVI:-korvi}

line=$(grep -v '^#' "$table" | awk -F'\t' -v t="$task" '$1 == t || NR == t' | head -n 1)
[ -n "$line" ] || { echo "no task $task in $table" >&2; exit 1; }
IFS=$'\t' read -r name shift probe steps walks seed <<<"$line"

[ -f "$lattice.jkl" ] || $korvi -g20 -b0 >>"$name.log" 2>&1
$korvi -l "$lattice" -s"$shift" -r"$shift" -d0 -e"$steps" -n"$walks" -i"$seed" "$name" >>"$name.log" 2>&1
$korvi -l "$lattice" -s"$shift" -r"$probe" -d-30 -t0 -p0 "$name" >"$name.tsv" 2>>"$name.log"
