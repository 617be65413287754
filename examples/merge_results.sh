#!/usr/bin/env bash
# Merges the result tables of a study into two tab-separated tables on
# standard output, each row led by its task name:
#   merge_results.sh distances TASK.tsv...  the distance rows: task, distance,
#                                            excluded solid angle, area, shell volume
#   merge_results.sh totals TASK.tsv...     the final rows: task, first and
#                                            last distance, excluded volume
set -euo pipefail
kind=$1
shift
case $kind in
distances)
    echo -e "# task\tdistance\tsolid_angle\tarea\tshell_volume"
    for f in "$@"; do
        awk -F'\t' -v t="$(basename "$f" .tsv)" \
            'NF == 5 && $3 == "" && $4 != "" { print t "\t" $1 "\t" $2 "\t" $4 "\t" $5 }' "$f"
    done ;;
totals)
    echo -e "# task\tfirst\tlast\tvolume"
    for f in "$@"; do
        awk -F'\t' -v t="$(basename "$f" .tsv)" \
            'NF == 5 && $3 == "" && $4 == "" { print t "\t" $1 "\t" $2 "\t" $5 }' "$f"
    done ;;
*)
    echo "usage: merge_results.sh distances|totals TASK.tsv..." >&2
    exit 1 ;;
esac
