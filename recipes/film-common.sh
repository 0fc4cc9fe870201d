# What the film recipes share (sourced, not run): the command line, the
# options the encode needs too, and one task's work.

cli=${GYRELUNE_CLI:-gyrelune-cli}

usage() {
    echo "usage: $1" >&2
    exit 2
}

# The frame rate and quality go to the encode as well; the rest is the film's.
splitFilmOptions() {
    filmOptions=() encodeOptions=()
    while [ $# -gt 0 ]; do
        case $1 in
        --fps | --quality)
            [ $# -ge 2 ] || usage "$1 needs a value"
            filmOptions+=("$1" "$2")
            encodeOptions+=("$1" "$2")
            shift
            ;;
        --fps=* | --quality=*) filmOptions+=("$1") encodeOptions+=("$1") ;;
        -o | --output* | --part* | --frames=*-* | --progress)
            echo "the recipe chooses $1 itself" >&2
            exit 2
            ;;
        --frames)
            [ $# -ge 2 ] || usage "--frames needs a value"
            [[ $2 == *-* ]] && { echo "the recipe chooses the frame ranges itself" >&2; exit 2; }
            filmOptions+=("$1" "$2")
            shift
            ;;
        *) filmOptions+=("$1") ;;
        esac
        shift
    done
}

# Sets output, keys (absolute, for every node), folder and the options.
prepareFilm() {
    local tasks=$1 chosenFolder=$2
    shift 2
    [ $# -ge 2 ] || usage "OUT KEY.atr [KEY.atr ...] [FILM OPTIONS...]"
    [[ $tasks =~ ^[1-9][0-9]*$ ]] || usage "TASKS must be a whole number from 1"
    output=$(readlink -f "$1")
    shift
    keys=()
    while [ $# -gt 0 ] && [[ $1 != -* ]]; do
        [ -r "$1" ] || { echo "cannot read the document '$1'" >&2; exit 2; }
        keys+=("$(readlink -f "$1")")
        shift
    done
    [ ${#keys[@]} -gt 0 ] || usage "OUT KEY.atr [KEY.atr ...] [FILM OPTIONS...]"
    folder=${chosenFolder:-$output.frames}
    splitFilmOptions "$@"
    mkdir -p "$folder"
    folder=$(readlink -f "$folder")
}

# The task arguments count from 0, as array tasks and job slots do here.
renderPart() {
    exec "$cli" film "${keys[@]}" -o "$folder" --part "$1/$tasks" --quiet "${filmOptions[@]}"
}

encodeFrames() {
    exec "$cli" encode "$folder" -o "$output" --quiet "${encodeOptions[@]}"
}

# runFilmJob part|encode OUT FOLDER TASKS KEYS... -- FILM-OPTIONS... -- ENCODE-OPTIONS...
runFilmJob() {
    local task=$1
    output=$2 folder=$3 tasks=$4
    shift 4
    keys=() filmOptions=() encodeOptions=()
    while [ $# -gt 0 ] && [ "$1" != -- ]; do keys+=("$1"); shift; done
    shift
    while [ $# -gt 0 ] && [ "$1" != -- ]; do filmOptions+=("$1"); shift; done
    [ $# -gt 0 ] && shift
    encodeOptions=("$@")
    case $task in
    part) renderPart "${SLURM_ARRAY_TASK_ID:?not in an array job}" ;;
    encode) encodeFrames ;;
    esac
}
