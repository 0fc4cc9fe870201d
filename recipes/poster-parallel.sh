#!/usr/bin/env bash
# A poster rendered by GNU parallel, on this machine's cores or on other
# hosts over ssh: one shard of the orbits per job into a state file, then the
# states merged into the picture.
#
#   poster-parallel.sh [-n SHARDS] [-d FOLDER] [-S HOSTS] DOC.atr OUT [POSTER OPTIONS...]
#
#   -n SHARDS  how many shards (default: as many as cores here)
#   -d FOLDER  where the states go (default OUT.parts)
#   -S HOSTS   parallel's --sshlogin list, e.g. ":,8/node1,node2" (":" is this
#              machine); the document and FOLDER must then lie at the same path
#              on every host (a shared file system) and gyrelune-cli be installed
#
# Each shard runs with one thread, so a host runs as many at once as it has
# cores. The options are as for poster-slurm.sh; GYRELUNE_CLI names the program.
set -euo pipefail
recipes=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
source "$recipes/poster-common.sh"

shards=$(nproc) folder="" hosts=()
while getopts n:d:S: option; do
    case $option in
    n) shards=$OPTARG ;;
    d) folder=$OPTARG ;;
    S) hosts=(--sshlogin "$OPTARG") ;;
    *) usage "poster-parallel.sh [-n SHARDS] [-d FOLDER] [-S HOSTS] DOC.atr OUT [POSTER OPTIONS...]" ;;
    esac
done
shift $((OPTIND - 1))
preparePoster "$shards" "$folder" "$@"

# -q quotes every argument for the (possibly remote) shell; {} is the shard.
seq 0 $((shards - 1)) | parallel --will-cite --halt now,fail=1 "${hosts[@]}" -q "$cli" poster "$document" \
    --shard "{}/$shards" --state "$folder/shard-{}-of-$shards.state" --threads 1 \
    "${posterOptions[@]}"
(mergeShards)
echo "wrote $output"
