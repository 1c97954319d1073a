#!/usr/bin/env bash
# Starts the real program on an X server, types a file name, generates the fragment and
# copies it, then reads the X clipboard. Run inside xvfb-run.
set -euo pipefail
program=$1

"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

# Only once mapped: focusing a window that is named but not yet shown is an X error.
window=$(xdotool search --sync --onlyvisible --limit 1 --name '^Quillamp$')
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
sleep 0.5
# The file-name box has the focus when the window opens.
xdotool key --window "$window" ctrl+a
xdotool type --window "$window" --delay 20 'song.mp3'
xdotool key --window "$window" alt+g
sleep 0.5
xdotool key --window "$window" alt+c
sleep 0.5
fragment=$(xclip -o -selection clipboard)

prefix='<p align=""><embed src="http://www.example.com/song.mp3" width="200" Height="45" autostart="false"></embed></p><p align=""><font face="'
suffix=',MS Sans Serif" size="3" color="#000000">Your Text</font></p>'
case "$fragment" in
"$prefix"?*"$suffix") echo "fragment ok: $fragment" ;;
*)
    echo "unexpected fragment: $fragment" >&2
    exit 1
    ;;
esac
