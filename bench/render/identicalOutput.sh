#!/usr/bin/env bash
# Renders a fixed set of 18 pictures with gyrelune-cli at one thread, two
# threads and the adaptive default, checks that every way gives the same
# bytes, and writes "name sha256" lines to OUTDIR/hashes.txt. With REFERENCE
# (a hashes.txt from another build) every picture must also match it.
#   identicalOutput.sh CLI OUTDIR [REFERENCE]
set -euo pipefail
cli=$1; out=$2; reference=${3:-}
mkdir -p "$out"
doc() { # name, then the document's lines
    local name=$1; shift
    printf '%s\r\n' "$@" > "$out/$name.atr"
}
stops() { # count, then that many stops cycled from a fixed list
    local n=$1 list=(255 0 0 0 255 0 0 0 255 255 255 0 0 255 255 255 0 255) i
    echo "$n"
    for ((i = 0; i < n; ++i)); do printf '%s\n' "${list[@]:$((3 * (i % 6))):3}"; done
}
default=('sin(x*y*4.36/pi)+y*0.453+0.45' '1.795*cos(x)-1.5324*sin(x*1.65/pi)'
         '1.93*cos(y*x)+0.49*sin(x)' 111.78418 0.290 -0.362)
doc rotation "${default[@]}" 30 -45 120 4 255 0 0 255 255 0 0 255 0 0 0 255 0 0 0
doc parameters 'a*sin(x*y*4.36/pi)+y*b+0.45' '1.795*cos(x)-1.5324*sin(x*c/pi)' \
    '1.93*cos(y*x)+0.49*sin(x)' 111.78418 0.290 -0.362 0 0 0 \
    2 255 255 255 0 128 255 0 0 0 3 a -2 2 0.9 b 0 1 0.453 c 1 2 1.65
for n in 0 1 2 3 4 5 6; do
    mapfile -t list < <(stops $n)
    doc "stops$n" "${default[@]}" 10 20 0 "${list[@]}" 20 20 40 0
done
doc runaway 'x*1.9+1' 'y*1.7+0.5' 'z*1.3+x' 30 0 0 30 40 50 2 255 0 0 0 0 255 0 0 0
doc restarts 'x*x+1' 'y*2-0.3' 'z+x' 20 1 0 0 0 0 2 0 255 0 255 0 255 10 10 10 0
doc failing '1/(x-x)' 'sqrt(-1-y*y)' 'ln(0*z)' 50 0 0 0 0 0 2 255 0 0 0 0 255 0 0 0 0
# A document cut short in its colour list.
printf '%s\r\n' "${default[@]}" 0 0 0 3 255 0 0 0 255 > "$out/truncated.atr"
cases=("default:--steps 1000000" "odd:--size 401x333 --steps 200000"
       "tiny:--size 7x3 --steps 20000" "single:--size 1x1 --steps 20000"
       "jpeg:--size 320x240 --steps 200000 -o JPEG")
for name in rotation parameters stops0 stops1 stops2 stops3 stops4 stops5 stops6 runaway \
    restarts failing truncated; do
    cases+=("$name:$out/$name.atr --size 333x257 --steps 300000")
done
status=0
: > "$out/hashes.txt"
for entry in "${cases[@]}"; do
    name=${entry%%:*}; args=${entry#*:}
    suffix=bmp; [ "$name" = jpeg ] && suffix=jpg
    first=""
    for way in "1:--threads 1" "2:--threads 2" "adaptive:"; do
        label=${way%%:*}; extra=${way#*:}
        file="$out/$name-$label.$suffix"
        # shellcheck disable=SC2086
        "$cli" render ${args/-o JPEG/} $extra --quiet -o "$file" 2>/dev/null || true
        sum=$( [ -f "$file" ] && sha256sum < "$file" | cut -c1-64 || echo none)
        if [ -z "$first" ]; then first=$sum; elif [ "$sum" != "$first" ]; then
            echo "DIFFERENT: $name ($label)"; status=1
        fi
    done
    echo "$name $first" >> "$out/hashes.txt"
    if [ -n "$reference" ] && ! grep -qx "$name $first" "$reference"; then
        echo "DIFFERENT from the reference: $name"; status=1
    else
        echo "same: $name"
    fi
done
exit $status
