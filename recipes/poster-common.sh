# What the poster recipes share (sourced, not run): the command line, the
# split of the options between the shards and the merge, and one task's work.

cli=${GYRELUNE_CLI:-gyrelune-cli}

usage() {
    echo "usage: $1" >&2
    exit 2
}

# The look is chosen when the states are merged; the rest is the render's.
splitOptions() {
    posterOptions=() lookOptions=()
    while [ $# -gt 0 ]; do
        case $1 in
        --look | --brightness | --gamma | --vibrancy | --depth)
            [ $# -ge 2 ] || usage "$1 needs a value"
            lookOptions+=("$1" "$2")
            shift
            ;;
        --look=* | --brightness=* | --gamma=* | --vibrancy=* | --depth=*) lookOptions+=("$1") ;;
        -o | --output* | --state* | --resume* | --shard*)
            echo "the recipe chooses $1 itself" >&2
            exit 2
            ;;
        *) posterOptions+=("$1") ;;
        esac
        shift
    done
}

# Sets document, output, folder (absolute, for every node) and the options.
preparePoster() {
    local shards=$1 chosenFolder=$2
    shift 2
    [ $# -ge 2 ] || usage "DOC.atr OUT [POSTER OPTIONS...]"
    [[ $shards =~ ^[1-9][0-9]*$ ]] || usage "SHARDS must be a whole number from 1"
    [ -r "$1" ] || { echo "cannot read the document '$1'" >&2; exit 2; }
    document=$(readlink -f "$1")
    output=$(readlink -f "$2")
    folder=${chosenFolder:-$output.parts}
    shift 2
    splitOptions "$@"
    mkdir -p "$folder"
    folder=$(readlink -f "$folder")
}

stateOf() {
    echo "$folder/shard-$1-of-$shards.state"
}

# The shard arguments count from 0, as array tasks and job slots do here.
renderShard() {
    exec "$cli" poster "$document" --shard "$1/$shards" --state "$(stateOf "$1")" \
        "${posterOptions[@]}"
}

mergeShards() {
    local states=() shard
    for ((shard = 0; shard < shards; shard++)); do states+=("$(stateOf "$shard")"); done
    exec "$cli" merge "${states[@]}" -o "$output" "${lookOptions[@]}"
}

# runJob shard|merge RECIPES DOC OUT FOLDER SHARDS POSTER-OPTIONS... -- LOOK-OPTIONS...
runJob() {
    local task=$1
    document=$3 output=$4 folder=$5 shards=$6
    shift 6
    posterOptions=() lookOptions=()
    while [ $# -gt 0 ] && [ "$1" != -- ]; do posterOptions+=("$1"); shift; done
    [ $# -gt 0 ] && shift
    lookOptions=("$@")
    case $task in
    shard) renderShard "${SLURM_ARRAY_TASK_ID:?not in an array job}" ;;
    merge) mergeShards ;;
    esac
}
