#!/usr/bin/env bash
# Pictures of every window, frame included, at the default and at a 14-point
# font, under a real X server and a window manager:
#   window_shots.sh <tool_window_tests> <folder> [scale factor]
set -euo pipefail
tests=$1
folder=$2
if [ -z "${GYRELUNE_SHOTS_DISPLAY:-}" ]; then
    GYRELUNE_SHOTS_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1600x1200x24" "$0" "$@"
fi
mkdir -p "$folder"
openbox &
wm=$!
trap 'kill $wm 2>/dev/null || true' EXIT
sleep 1
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=${3:-1} GYRELUNE_SHOTS=$folder \
    "$tests" --gtest_filter='Fonts/WindowTextsFit.*'
