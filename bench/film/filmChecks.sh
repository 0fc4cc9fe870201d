#!/usr/bin/env bash
# What films must show, checked with ffprobe/ffmpeg (checks only; the program
# links FFmpeg's libraries): a 2-second 320x240 film at 10 fps is H.264 yuv420p
# (and VP9) of 20 frames; a film of one document repeated decodes to identical
# frames; frames 0-9 and 10-19 rendered apart and joined by encode decode to
# the frames of the one-process film.
#
#   bench/film/filmChecks.sh [BUILD] [DOC.atr]
set -euo pipefail
cd "$(dirname "$0")/../.."
cli=$(readlink -f "${1:-build}")/cli/gyrelune-cli
document=${2:-desktop/screenshots/demo.atr}
work=$(mktemp -d /tmp/gyrelune-film-checks.XXXXXX)
trap 'rm -rf "$work"' EXIT
film=(--seconds 2 --fps 10 --size 320x240 --points 200000 --quiet)
probe() {
    ffprobe -v error -count_frames -show_entries stream=codec_name,pix_fmt,width,height,nb_read_frames \
        -of compact=p=0 "$1"
}
decoded() {
    ffmpeg -v error -i "$1" -f framemd5 - | grep -v '^#'
}
for ending in mp4 webm; do
    "$cli" film "$document" -o "$work/turn.$ending" --turn Y:90 "${film[@]}"
    echo "$ending: $(probe "$work/turn.$ending")"
done
"$cli" film "$document" "$document" -o "$work/still.mp4" "${film[@]}"
echo "still film: $(decoded "$work/still.mp4" | awk -F, '{print $6}' | sort -u | wc -l) distinct frame(s) of $(decoded "$work/still.mp4" | wc -l)"
"$cli" film "$document" -o "$work/frames" --turn Y:90 --frames 0-9 "${film[@]}"
"$cli" film "$document" -o "$work/frames" --turn Y:90 --frames 10-19 "${film[@]}"
"$cli" encode "$work/frames" -o "$work/joined.mp4" --fps 10 --quiet
if [ "$(decoded "$work/joined.mp4")" = "$(decoded "$work/turn.mp4")" ]; then
    echo "frames 0-9 and 10-19 joined: the same decoded frames as the one-process film"
else
    echo "frames 0-9 and 10-19 joined: DIFFERENT decoded frames" >&2
    exit 1
fi
