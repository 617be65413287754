#!/usr/bin/env bash
# korvi-perm's probe sweep spread over a Slurm job array: array task k runs
# share k of the sweep's positions (an ordinary korvi-perm process on the
# cores Slurm gives it) and writes contact.k-of-m.share; a job that waits for
# the whole array joins the shares into contact.tsv and contact.svg, the same
# bytes one run on one machine would write. The settings are in contact.opt.
#
#   korvi -g99 -b0                                 # the lattice, once
#   jid=$(sbatch --parsable --array=1-8 slurm_perm_sweep.sh)
#   sbatch --dependency=afterok:$jid --wrap 'korvi-perm -x -u8 -o contact'
#
# On one machine the same shares run side by side:
#
#   for k in 1 2 3 4; do korvi-perm +contact.opt -c $k/4 -o contact -j1 & done; wait
#   korvi-perm -x -u4 -o contact
#
#SBATCH --job-name=korvi-perm-sweep
#SBATCH --ntasks=1
#SBATCH --cpus-per-task=4
#SBATCH --mem=2G
#SBATCH --time=01:00:00
#SBATCH --output=slurm-%A_%a.out
set -euo pipefail
# korvi-perm uses every processor of the task (-j sets another number).
${KORVI_PERM:-korvi-perm} +contact.opt -c "$SLURM_ARRAY_TASK_ID/$SLURM_ARRAY_TASK_COUNT" -o contact
