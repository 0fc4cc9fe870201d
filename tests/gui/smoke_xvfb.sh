#!/usr/bin/env bash
# The program under a real X server: the windows stand where they belong once a
# window manager frames them, Enter in the main window starts drawing,
# the image window's caption shows the points per second and its picture
# leaves the background, and closing the main window ends the program within
# two seconds. Exits 77 (skipped) when the X tools are missing.
set -euo pipefail
program=$1
shots=${2:-}

for tool in xvfb-run xdotool import compare; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done
if [ -z "${GYRELUNE_SMOKE_DISPLAY:-}" ]; then
    GYRELUNE_SMOKE_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
export QT_QPA_PLATFORM=xcb
# For a sanitizer build: what the X11 platform's system libraries keep at exit.
export LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

work=$(mktemp -d)
pid=
wm=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*"
    exit 1
}

# Polls a command for up to $1 seconds.
within() {
    local seconds=$1
    shift
    for _ in $(seq $((seconds * 10))); do
        if "$@"; then return 0; fi
        sleep 0.1
    done
    return 1
}

"$program" &
pid=$!

main=$(timeout 20 xdotool search --sync --onlyvisible --name '^Gyrelune 1\.0b$' | head -1) ||
    fail "the main window did not appear"
image=$(timeout 20 xdotool search --sync --onlyvisible --name '^Attraktor K' | head -1) ||
    fail "the image window did not appear"
[ "$(xdotool getwindowname "$image")" = "Attraktor Kép" ] || fail "image window caption"

# A window manager that frames the windows only after they are shown: then the
# main window's frame stands at (32, 14) and the image window's outer size is
# 578 x 576 (left, top, width, height of the frames, from the client and its extents).
frame_of() {
    local extents geometry
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
    [ -n "$extents" ] || return 1
    geometry=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}')
    echo "$extents $geometry" | awk -F'[ ,]' '{print $5-$1, $6-$3, $7+$1+$2, $8+$3+$4}'
}
if command -v openbox >/dev/null; then
    openbox >/dev/null 2>&1 &
    wm=$!
    framed() {
        [[ "$(frame_of "$main")" == "32 14 "* ]] && [[ "$(frame_of "$image")" == *" 578 576" ]]
    }
    within 10 framed || fail "frames: main $(frame_of "$main"), image $(frame_of "$image")"
    echo "frames: main $(frame_of "$main"), image $(frame_of "$image")"
fi
sleep 0.5
import -window "$image" "$work/before.png"

xdotool windowfocus --sync "$main"
xdotool key Return

caption_counts() { xdotool getwindowname "$image" | grep -q 'pont/sec: '; }
within 10 caption_counts || fail "no points per second in the caption: $(xdotool getwindowname "$image")"
echo "caption: $(xdotool getwindowname "$image")"

picture_changed() {
    import -window "$image" "$work/after.png"
    local differing
    differing=$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1 || true)
    [ "${differing%%.*}" -gt 1000 ] 2>/dev/null
}
within 10 picture_changed || fail "the picture did not change from the background"
if [ -n "$shots" ]; then
    import -window root "$shots/screen.png"
    cp "$work/after.png" "$shots/image-window.png"
fi

# "Fájl" > "Bezárás", by its shortcut.
xdotool windowfocus --sync "$main"
xdotool key ctrl+q
exited() { ! kill -0 "$pid" 2>/dev/null; }
within 2 exited || fail "the program did not end within 2 seconds of closing the main window"
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || fail "exit status $status"
echo "passed"
