#!/usr/bin/env bash
# Pictures of the statistics and the opponents' choices as a player sees them: the seat
# statistics on the table, each tab of the statistics window, the options panel with the
# Opponents choice and the dialog that picks each seat's style, at 100 % and at 200 %, each
# in a real window under Xvfb with openbox, saved as JPEG pictures.
#
#   scripts/screenshots.sh OUTPUT_FOLDER [HISTORY_DIR] [BUILD_DIR]
#
# HISTORY_DIR holds the history files whose statistics are shown (none without it). Needs
# Xvfb, openbox and ImageMagick's import.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
if (($# < 1 || $# > 3)); then
    echo "usage: $0 OUTPUT_FOLDER [HISTORY_DIR] [BUILD_DIR]" >&2
    exit 2
fi
out=$1
history=${2:-}
build=${3:-$top/build}
tool=$build/tests/ui/stats_screens
[ -x "$tool" ] || { echo "$0: $tool is not built" >&2; exit 2; }
mkdir -p "$out"

display=:$((200 + RANDOM % 100))
Xvfb "$display" -screen 0 2560x1600x24 -nolisten tcp 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
DISPLAY=$display openbox 2>/dev/null &
wm=$!
trap 'kill $wm $xvfb 2>/dev/null' EXIT
sleep 1

for scale in 1 2; do
    for what in hud overview seats charts hands opponents styles; do
        DISPLAY=$display QT_SCALE_FACTOR=$scale "$tool" "$what" ${history:+"$history"} 2>/dev/null &
        shown=$!
        sleep 4
        picture=$out/$what-$((scale * 100)).jpg
        DISPLAY=$display import -window root -trim -quality 80 "$picture"
        kill "$shown" 2>/dev/null || true
        wait "$shown" 2>/dev/null || true
        echo "$picture"
    done
done
