#!/usr/bin/env bash
# A film rendered on a Slurm cluster: an array job renders one range of frames
# per task into a frame folder, then a job that waits for all of them encodes
# the frames into the film. Run it where you submit jobs:
#
#   film-slurm.sh [-n TASKS] [-d FOLDER] [-w] OUT KEY.atr [KEY.atr ...] [FILM OPTIONS...]
#
#   -n TASKS   tasks in the array job (default 16)
#   -d FOLDER  where the frames go (default OUT.frames); every node must see it
#   -w         wait until the film is written; the exit status is the encode's
#
# The film options are gyrelune-cli film's (--seconds, --fps, --size, --turn,
# --sweep, --points, ...); --fps and --quality go to the encode too. sbatch's
# own SBATCH_* variables choose the partition, time limit and the like;
# GYRELUNE_CLI names the program if it is not on the nodes' PATH. A task that
# was cut short renders only its missing frames when submitted again.
set -euo pipefail
# Inside a job this file is sbatch's copy: the recipes' folder comes as an argument.
if [ "${1:-}" = --job ]; then
    source "$3/film-common.sh"
    runFilmJob "$2" "${@:4}"
    exit
fi
recipes=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
source "$recipes/film-common.sh"

tasks=16 folder="" wait=""
while getopts n:d:w option; do
    case $option in
    n) tasks=$OPTARG ;;
    d) folder=$OPTARG ;;
    w) wait=--wait ;;
    *) usage "film-slurm.sh [-n TASKS] [-d FOLDER] [-w] OUT KEY.atr [KEY.atr ...] [FILM OPTIONS...]" ;;
    esac
done
shift $((OPTIND - 1))
prepareFilm "$tasks" "$folder" "$@"

jobArguments=("$output" "$folder" "$tasks" "${keys[@]}" -- "${filmOptions[@]}" -- "${encodeOptions[@]}")
# The job script is this very file, copied by sbatch; the jobs find the rest here.
array=$(sbatch --parsable --job-name=gyrelune-film --array="0-$((tasks - 1))" \
    --output="$folder/part-%a.log" "$0" --job part "$recipes" "${jobArguments[@]}")
array=${array%%;*}
echo "frames: job $array ($tasks tasks)"
encode=$(sbatch --parsable $wait --job-name=gyrelune-encode --dependency="afterok:$array" \
    --kill-on-invalid-dep=yes --output="$folder/encode.log" "$0" --job encode "$recipes" \
    "${jobArguments[@]}")
echo "encode: job ${encode%%;*}, writes $output"
