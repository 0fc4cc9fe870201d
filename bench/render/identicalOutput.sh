#!/usr/bin/env bash
# Renders the default set-up and the documents in DOCS with gyrelune-cli at one
# thread, two threads and the adaptive default, plus a rotated runaway map
# whose orbit restarts at random, and checks that every way gives the same
# bytes (and the same as REFERENCE_CLI, when given).
#   identicalOutput.sh CLI DOCS OUTDIR [REFERENCE_CLI]
set -euo pipefail
cli=$1; docs=$2; out=$3; reference=${4:-}
mkdir -p "$out"
printf '%s\r\n' 'x*1.9+1' 'y*1.7+0.5' 'z*1.3+x' 30 0 0 30 40 50 2 255 0 0 0 0 255 0 0 0 \
    > "$out/restarts.atr"
cases=("default:--steps 1000000" "odd:--size 401x333 --steps 200000"
       "restarts:$out/restarts.atr --size 300x200 --steps 300000")
for doc in "$docs"/*.atr; do cases+=("$(basename "$doc" .atr):$doc --size 333x257 --steps 300000"); done
status=0
for entry in "${cases[@]}"; do
    name=${entry%%:*}; args=${entry#*:}
    ways=("1:--threads 1" "2:--threads 2" "adaptive:")
    [ -n "$reference" ] && ways+=("reference:")
    first=""
    for way in "${ways[@]}"; do
        label=${way%%:*}; extra=${way#*:}
        program=$cli; [ "$label" = reference ] && program=$reference
        # shellcheck disable=SC2086
        "$program" render $args $extra -o "$out/$name-$label.bmp" 2>/dev/null
        sum=$(sha256sum < "$out/$name-$label.bmp")
        if [ -z "$first" ]; then first=$sum; elif [ "$sum" != "$first" ]; then
            echo "DIFFERENT: $name ($label)"; status=1
        fi
    done
    echo "same: $name"
done
exit $status
