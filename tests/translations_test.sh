#!/bin/sh
# Fails while a text of the interface has no English: the sources are read
# afresh into a copy of the .ts file, and any entry left unfinished is named.
# Usage: translations_test.sh LUPDATE SOURCE_LIST TS_FILE [LUPDATE OPTIONS...]
set -eu
lupdate=$1 list=$2 ts=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ts" "$work/check.ts"
"$lupdate" -silent "$@" "@$list" -ts "$work/check.ts"
if grep -q 'type="unfinished"' "$work/check.ts"; then
    echo "Texts without English in $(basename "$ts"):"
    grep -B1 'type="unfinished"' "$work/check.ts" | sed -n 's/.*<source>\(.*\)<\/source>.*/  \1/p'
    echo "Run: cmake --build <build> --target translations, then give each its English"
    echo "(the <translation> element, without type=\"unfinished\"; or use Qt Linguist)."
    exit 1
fi
