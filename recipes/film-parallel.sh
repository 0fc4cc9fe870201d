#!/usr/bin/env bash
# A film rendered by GNU parallel, on this machine's cores or on other hosts
# over ssh: one range of frames per job into a frame folder, then the frames
# encoded into the film.
#
#   film-parallel.sh [-n TASKS] [-d FOLDER] [-S HOSTS] OUT KEY.atr [KEY.atr ...] [FILM OPTIONS...]
#
#   -n TASKS   how many frame ranges (default: as many as cores here)
#   -d FOLDER  where the frames go (default OUT.frames)
#   -S HOSTS   parallel's --sshlogin list, e.g. ":,8/node1,node2" (":" is this
#              machine); the keys and FOLDER must then lie at the same path on
#              every host (a shared file system) and gyrelune-cli be installed
#
# Each task runs with one thread. The film options are gyrelune-cli film's
# (--seconds, --fps, --size, --turn, ...); --fps and --quality go to the
# encode too. A rerun renders only the frames still missing from FOLDER.
set -euo pipefail
recipes=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
source "$recipes/film-common.sh"

tasks=$(nproc) folder="" hosts=()
while getopts n:d:S: option; do
    case $option in
    n) tasks=$OPTARG ;;
    d) folder=$OPTARG ;;
    S) hosts=(--sshlogin "$OPTARG") ;;
    *) usage "film-parallel.sh [-n TASKS] [-d FOLDER] [-S HOSTS] OUT KEY.atr [KEY.atr ...] [FILM OPTIONS...]" ;;
    esac
done
shift $((OPTIND - 1))
prepareFilm "$tasks" "$folder" "$@"

# -q quotes every argument for the (possibly remote) shell; {} is the task.
seq 0 $((tasks - 1)) | parallel --will-cite --halt now,fail=1 "${hosts[@]}" -q "$cli" film \
    "${keys[@]}" -o "$folder" --part "{}/$tasks" --threads 1 --quiet "${filmOptions[@]}"
(encodeFrames)
echo "wrote $output"
