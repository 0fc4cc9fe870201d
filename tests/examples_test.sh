#!/bin/sh
# Every example document renders a lit figure: at least 2 % of the picture's
# pixels away from the background.
# Usage: examples_test.sh GYRELUNE_CLI EXAMPLES_FOLDER
set -eu
cli=$1 folder=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
command -v convert >/dev/null || exit 77
status=0 count=0
for example in "$folder"/*.atr; do
    count=$((count + 1))
    "$cli" render "$example" --size 200x200 -o "$work/picture.png" --quiet
    lit=$(convert "$work/picture.png" -colorspace Gray -threshold 8% -format '%[fx:mean]' info:)
    if awk "BEGIN { exit !($lit < 0.02) }"; then
        echo "$(basename "$example"): only $lit of the picture lit"
        status=1
    fi
done
[ "$count" -ge 12 ] || { echo "only $count examples"; status=1; }
exit $status
