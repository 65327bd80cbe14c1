#!/usr/bin/env bash
# Run by windows-tests.sh on an X server: starts the installed Windows
# program under Wine, waits for its window "Kelvora V2.0", clicks each tab
# and keeps a picture of it in FOLDER, then ends the program.
#
#   windows-start-check.sh WINE PROGRAM FOLDER      (WINEPREFIX set)
set -euo pipefail
wine=$1 program=$2 folder=$3
wineserver=$(dirname "$wine")/wineserver

("$wine" "$program" >/dev/null 2>&1 &)  # in a subshell: no job to report when it ends
window=""
for _ in $(seq 1 60); do
    window=$(xdotool search --name '^Kelvora V2\.0$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 1
done
if [ -z "$window" ]; then
    echo "the installed program showed no window \"Kelvora V2.0\" within a minute" >&2
    "$wineserver" -k || true
    exit 1
fi
sleep 2
# The tabs lie along the top of the window, below the title; their middles
# in pixels from the window's left edge (twips at 96 dpi, as the window is laid out).
eval "$(xdotool getwindowgeometry --shell "$window")"
tab=0
for middle in 59 184 294 359; do
    xdotool mousemove --sync $((X + middle)) $((Y + 52)) click 1
    sleep 1
    xwd -root -silent | xwdtopnm 2>/dev/null |
        pamcut -left "$X" -top "$Y" -width "$WIDTH" -height "$HEIGHT" |
        pnmtopng >"$folder/tab-$tab.png"
    tab=$((tab + 1))
done
"$wineserver" -k || true
