#!/usr/bin/env bash
# A parameter study as a Slurm job array: one array task per line of the
# parameter table, each an independent korvi run that depends only on its own
# line (and seed), so tasks can run in any order on any node.
#
#   sbatch --array=1-$(grep -vc '^#' study.tsv) slurm_study.sh
#
#SBATCH --job-name=korvi-study
#SBATCH --ntasks=1
#SBATCH --cpus-per-task=1
#SBATCH --mem=2G
#SBATCH --time=01:00:00
#SBATCH --output=slurm-%A_%a.out
set -euo pipefail
# Generate the lattice once before submitting (korvi -g20 -b0), so that the
# array tasks do not race to write it.
bash "$(dirname "$0")/run_task.sh" "$SLURM_ARRAY_TASK_ID" study.tsv ldmd_20
