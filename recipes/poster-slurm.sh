#!/usr/bin/env bash
# A poster rendered on a Slurm cluster: an array job renders one shard of the
# orbits per task into a state file, then a job that waits for all of them
# merges the states into the picture. Run it where you submit jobs:
#
#   poster-slurm.sh [-n SHARDS] [-d FOLDER] [-w] DOC.atr OUT [POSTER OPTIONS...]
#
#   -n SHARDS  tasks in the array job (default 16)
#   -d FOLDER  where the shards' states go (default OUT.parts); every node must see it
#   -w         wait until the picture is written; the exit status is the merge's
#
# The poster options are gyrelune-cli poster's (--size, --supersample,
# --quality, --fit, --seed, ...); the look (--look, --brightness, --gamma,
# --vibrancy, --depth) goes to the merge. sbatch's own SBATCH_* variables
# choose the partition, the time limit and the like (SBATCH_PARTITION,
# SBATCH_TIMELIMIT, ...); GYRELUNE_CLI names the program if it is not on the
# nodes' PATH. The states stay in FOLDER: merge them again with another look
# without rendering anything.
set -euo pipefail
# Inside a job this file is sbatch's copy: the recipes' folder comes as an argument.
if [ "${1:-}" = --job ]; then
    source "$3/poster-common.sh"
    runJob "${@:2}"
    exit
fi
recipes=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
source "$recipes/poster-common.sh"

shards=16 folder="" wait=""
while getopts n:d:w option; do
    case $option in
    n) shards=$OPTARG ;;
    d) folder=$OPTARG ;;
    w) wait=--wait ;;
    *) usage "poster-slurm.sh [-n SHARDS] [-d FOLDER] [-w] DOC.atr OUT [POSTER OPTIONS...]" ;;
    esac
done
shift $((OPTIND - 1))
preparePoster "$shards" "$folder" "$@"

# The job script is this very file, copied by sbatch; the jobs find the rest here.
array=$(sbatch --parsable --job-name=gyrelune-poster --array="0-$((shards - 1))" \
    --output="$folder/shard-%a.log" "$0" --job shard "$recipes" "$document" "$output" \
    "$folder" "$shards" "${posterOptions[@]}" -- "${lookOptions[@]}")
array=${array%%;*}
echo "shards: job $array ($shards tasks)"
merge=$(sbatch --parsable $wait --job-name=gyrelune-merge --dependency="afterok:$array" \
    --kill-on-invalid-dep=yes --output="$folder/merge.log" "$0" --job merge "$recipes" \
    "$document" "$output" "$folder" "$shards" "${posterOptions[@]}" -- "${lookOptions[@]}")
echo "merge: job ${merge%%;*}, writes $output"
